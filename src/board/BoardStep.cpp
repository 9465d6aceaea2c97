// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardStep.h"

namespace {

// What a report keeps: its text, and the vertices of the polygon it describes.
template <typename Shown>
qint64 reportBytes(const Shown &shown)
{
    const qint64 vertices = shown.reportedVertices ? qint64(shown.reportedVertices->size() * sizeof(Point)) : 0;
    const LinedText &report = shown.report;
    return qint64(report.text.size()) * qint64(sizeof(QChar)) + qint64(report.lineStarts.size()) * qint64(sizeof(qsizetype))
           + vertices;
}

} // namespace

Board::Step::Step(Board &board, RowsChange rows, Shown before, Shown after)
    : m_board(board), m_rows(std::move(rows)), m_before(std::move(before)), m_after(std::move(after))
{
    m_before.figure.fan.reset();
    m_after.figure.fan.reset();
}

qint64 Board::Step::keptBytes() const
{
    const bool madeReport = m_after.report.text.constData() != m_before.report.text.constData();
    return qint64(sizeof(Step)) + m_rows.bytes() + (madeReport ? reportBytes(m_after) : 0);
}

qint64 Board::Step::foundBytes() const
{
    return reportBytes(m_before);
}
