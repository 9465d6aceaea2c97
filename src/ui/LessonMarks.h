// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CanvasMark.h"
#include "ReportLayout.h"

#include <QObject>

class Board;
class Canvas;
class ReportView;

// The report pointing at the picture, for the lesson. While the board shows
// the polygon its report describes, the pointer resting on a block of the
// report marks that block's triangle on the canvas: its area in a light
// colour under the lines, the numbers of its three vertices beside their
// dots; the total line marks the whole polygon, the warning line rings the
// vertices it names. Ctrl+Down and Ctrl+Up in the report step the caret
// from block to block and mark the block it lands in, until the report
// loses the focus. Any change of the board takes the mark away.
//
// Over the canvas, the pointer on a triangle shows its two areas. Enter or
// a double-click on a block asks for its working.
class LessonMarks : public QObject
{
    Q_OBJECT

public:
    LessonMarks(const Board &board, ReportView &report, Canvas &canvas, QObject *parent = nullptr);

    // The part of the report at its caret, when the report describes the
    // polygon shown; Beyond otherwise.
    ReportPart partAtCaret() const;

signals:
    void workingRequested(ReportPart part);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReportPart partAt(int line) const;
    void mark(ReportPart part, bool byKeyboard);
    void unmark();
    void step(int direction);
    CanvasMark markOf(ReportPart part) const;
    QString toolTipAt(QPoint pixel) const;

    const Board &m_board;
    ReportView &m_report;
    Canvas &m_canvas;
    ReportPart m_marked;
    bool m_markedByKeyboard = false;
};
