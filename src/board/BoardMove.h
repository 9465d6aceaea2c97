// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"

#include <QTimer>

// A vertex of the board's polygon on its way: where it was taken and the
// board then, and the polygon following it. The fan follows every move,
// its triangles that share the vertex measured afresh; the report is
// written around them from the one before, at once as long as that is
// quick, and on a board so large that it is not (vertex 1, whose triangles
// are all of them), within `ReportInterval` of a move, the picture
// following every move meanwhile.
class Board::Move : public QObject
{
public:
    // Writing more triangles than this anew takes longer than a frame of
    // the screen.
    static constexpr int QuickTriangles = 8192;
    static constexpr int ReportInterval = 100; // ms

    Move(Board &board, int row);

    int row() const { return m_row; }
    Point from() const { return m_from; }
    const Shown &before() const { return m_before; }

    // The vertex moved on from `previous`: the board's rows have it where it
    // stands now.
    void follow(Point previous);
    // The report of the rows as they stand, if it is behind them.
    void catchUp();

private:
    void writeReport();

    Board &m_board;
    int m_row;
    Point m_from;
    Shown m_before;
    TriangleRange m_unwritten; // the triangles the report does not show as they stand
    QTimer m_reportDue;
};
