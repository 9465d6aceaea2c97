// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileChooser.h"
#include "Messages.h"
#include "Picture.h"
#include "ClassSet.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class Board;
class QWidget;

// What leaves the program and comes in as files: the board's vertices saved
// and opened, the report saved, a worksheet printed or saved as a PDF.
// Each failure is said in a message over the window, and loses nothing.
class Documents
{
public:
    Documents(Board &board, QWidget *window);

    // Asks for a file and writes the document to it.
    void saveAs(Messages::Document document);
    // Writes the document to the file; false, said, when it could not, and
    // false, without a word, when the user cancelled a worksheet on its way.
    bool save(Messages::Document document, const QString &path);

    // Asks for a file of vertices and opens it as the board.
    void openVertices();
    void openVertexFile(const QString &path);

    // Asks which worksheet, the teacher's, the pupil's or a class set (and
    // then how many sheets of how many vertices), then for a file, and
    // saves it as a PDF.
    void saveWorksheetAs();
    // Asks which worksheet, then prints it; without a printer, offers the
    // PDF instead.
    void printWorksheet();
    // A class set of the numbered tasks of these variants, on the board's
    // canvas: the pupils' sheets, the answers' table and, if asked for, the
    // teacher's sheets.
    ClassSet classSet(const std::vector<int> &variants, bool teachersSheets = false) const;
    // As many different variants of that many vertices, chosen by numbers
    // from `random`: the system's random numbers, or a test's own.
    using RandomNumbers = std::function<std::uint64_t()>;
    static std::vector<int> classSetVariants(int sheets, int vertices, const RandomNumbers &random = systemRandom);
    static std::uint64_t systemRandom();
    // The worksheet (Worksheet or PupilWorksheet) of the board as it stands,
    // its picture drawn afresh: the polygon the report describes, also
    // after a pick or a deletion has erased it from the canvas, or else the
    // board's own figure.
    WorksheetContent worksheet(Messages::Document sheet) const;
    // The board's picture drawn afresh at a device pixel ratio.
    Picture picture(qreal ratio) const;
    // The worksheets' text is in this font: the window's at 100 %, whatever
    // its zoom. Until it is set, the window's own.
    void setSheetFont(const QFont &font) { m_sheetFont = font; }

    // The picture saved as a file is drawn as for a projector: crisp on
    // paper, not scaled up from a screen's pixels.
    static constexpr qreal PrintedRatio = 2;

    static constexpr int MostClassSheets = 40;

private:
    std::optional<Messages::Document> chooseSheet() const;
    bool askClassSet();
    ClassSet chosenClassSet() const;

    Board &m_board;
    QWidget *m_window;
    FileChooser m_files;
    std::optional<QFont> m_sheetFont;
    int m_classSheets = 30;  // of the class set asked for last
    int m_classVertices = 5;
    bool m_classTeachers = false;
};
