// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardMove.h"

#include "AreaReport.h"
#include "ContourWarning.h"

#include <algorithm>

Board::Move::Move(Board &board, int row)
    : m_board(board), m_row(row), m_from(board.points()[size_t(row)]), m_before(board.m_shown)
{
    m_reportDue.setSingleShot(true);
    m_reportDue.setInterval(ReportInterval);
    connect(&m_reportDue, &QTimer::timeout, this, [this] {
        if (m_unwritten.first != m_unwritten.last) {
            writeReport();
            m_reportDue.start();
        }
    });
}

// The fan shown is a new one, as after any computation: whoever keeps the
// one before (the marks' cover) sees that it changed.
void Board::Move::follow(Point previous)
{
    Shown &shown = m_board.m_shown;
    auto fan = std::make_shared<Fan>(*shown.figure.fan);
    const TriangleRange changed = refanAfterMove(*fan, m_board.points(), m_row);
    shown.figure.fan = std::move(fan);
    shown.computedBy = KeptBoard::Computed::InOrder;
    m_unwritten = m_unwritten.first == m_unwritten.last
        ? changed
        : TriangleRange{std::min(m_unwritten.first, changed.first), std::max(m_unwritten.last, changed.last)};
    emit m_board.vertexMoved(m_row, QPoint(int(previous.x), int(previous.y)));
    if (m_unwritten.last - m_unwritten.first <= QuickTriangles) {
        writeReport();
    } else if (!m_reportDue.isActive()) {
        writeReport();
        m_reportDue.start();
    }
}

void Board::Move::catchUp()
{
    if (m_unwritten.first != m_unwritten.last)
        writeReport();
}

void Board::Move::writeReport()
{
    Shown &shown = m_board.m_shown;
    const std::vector<Point> &points = m_board.points();
    shown.report = areaReportAfter(shown.report, *shown.figure.fan, m_unwritten, contourWarning(points));
    shown.reportedVertices = std::make_shared<const std::vector<Point>>(points);
    m_unwritten = {};
    emit m_board.reportChanged();
}
