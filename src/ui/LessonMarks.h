// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CanvasMark.h"
#include "FanCover.h"
#include "ReportLayout.h"

#include <QColor>
#include <QObject>

#include <memory>

class Board;
class Canvas;
class ReportView;
class WorkingWindow;
struct Fan;

// The report pointing at the picture, for the lesson. While the board shows
// the polygon its report describes, the pointer resting on a block of the
// report marks that block's triangle on the canvas: its area in a light
// colour under the lines, the numbers of its three vertices beside their
// dots; the total line shades the pixels of the fan's triangles, darker
// where two or more of them overlap (each counted again in the total); the
// warning line rings the vertices it names. Ctrl+Down and Ctrl+Up in the report step the caret
// from block to block and mark the block it lands in, until the report
// loses the focus. Any change of the board takes the mark away.
//
// Over the canvas, the pointer on a triangle shows its two areas, and how
// many triangles cover the place where more than one do. Enter or
// a double-click on a block, as long as the report describes a polygon,
// opens its working in a window of its own, which follows the caret.
class LessonMarks : public QObject
{
    Q_OBJECT

public:
    // The working window stands over `window`.
    LessonMarks(const Board &board, ReportView &report, Canvas &canvas, QWidget *window);

    // The working of the block at the report's caret.
    void showWorkingAtCaret();
    // The colour a marked triangle or polygon takes under the figure's
    // lines, on the canvas and on the whole screen alike.
    static QColor fillColour();
    // The total line's shading of a cover: white where no triangle covers a
    // pixel, the mark's colour where one does, darker where more overlap.
    static QImage shadingOf(const FanCover &cover);

private:
    // What the report's line stands in: of the polygon shown, for the marks,
    // or of the polygon the report describes, for its working.
    ReportPart partAt(int line) const;
    ReportPart describedPartAt(int line) const;
    std::shared_ptr<const Fan> describedFan() const;
    void showWorking(ReportPart part, bool show);
    void mark(ReportPart part, bool byKeyboard);
    void unmark();
    void step(int direction);
    CanvasMark markOf(ReportPart part) const;
    const FanCover &cover() const;
    QString toolTipAt(QPoint pixel) const;

    const Board &m_board;
    ReportView &m_report;
    Canvas &m_canvas;
    QWidget *m_window;
    WorkingWindow *m_working = nullptr;
    ReportPart m_marked;
    // How often the shown fan's triangles cover each pixel, kept while the
    // fan is shown.
    mutable std::shared_ptr<const Fan> m_coveredFan;
    mutable FanCover m_cover;
    bool m_markedByKeyboard = false;
};
