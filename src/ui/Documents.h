// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileChooser.h"
#include "Messages.h"
#include "Picture.h"
#include "Worksheet.h"

#include <QString>

class Board;
class QWidget;

// What leaves the program and comes in as files: the board's vertices saved
// and opened, the report saved, the worksheet printed or saved as a PDF.
// Each failure is said in a message over the window, and loses nothing.
class Documents
{
public:
    Documents(Board &board, QWidget *window);

    // Asks for a file and writes the document to it.
    void saveAs(Messages::Document document);
    // Writes the document to the file; false, said, when it could not.
    bool save(Messages::Document document, const QString &path);

    // Asks for a file of vertices and opens it as the board.
    void openVertices();
    void openVertexFile(const QString &path);

    // Prints the worksheet; without a printer, offers the PDF instead.
    void printWorksheet();
    // The worksheet of the board as it stands, its picture drawn afresh.
    WorksheetContent worksheet() const;
    // The board's picture drawn afresh at a device pixel ratio.
    Picture picture(qreal ratio) const;

    // The picture saved as a file is drawn as for a projector: crisp on
    // paper, not scaled up from a screen's pixels.
    static constexpr qreal PrintedRatio = 2;

private:
    Board &m_board;
    QWidget *m_window;
    FileChooser m_files;
};
