// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RowsChange.h"

RowsChange RowsChange::appended(std::vector<Point> points)
{
    RowsChange change;
    change.m_kind = points.empty() ? Kind::None : Kind::Appended;
    change.m_after = std::move(points);
    return change;
}

RowsChange RowsChange::removed(int row, Point point)
{
    RowsChange change;
    change.m_kind = Kind::Removed;
    change.m_row = row;
    change.m_before = {point};
    return change;
}

RowsChange RowsChange::moved(int row, Point from, Point to)
{
    RowsChange change;
    change.m_kind = from == to ? Kind::None : Kind::Moved;
    change.m_row = row;
    change.m_before = {from};
    change.m_after = {to};
    return change;
}

RowsChange RowsChange::reordered(std::vector<int> order)
{
    RowsChange change;
    change.m_kind = Kind::Reordered;
    change.m_order = std::move(order);
    return change;
}

RowsChange RowsChange::replaced(std::vector<Point> before, std::vector<Point> after)
{
    RowsChange change;
    change.m_kind = before.empty() && after.empty() ? Kind::None : Kind::Replaced;
    change.m_before = std::move(before);
    change.m_after = std::move(after);
    return change;
}

void RowsChange::undo(VertexModel &vertices) const
{
    switch (m_kind) {
    case Kind::None: break;
    case Kind::Appended: vertices.removeLast(int(m_after.size())); break;
    case Kind::Removed: vertices.insert(m_row, m_before.front()); break;
    case Kind::Moved: vertices.move(m_row, m_before.front()); break;
    case Kind::Reordered: vertices.reorderInverse(m_order); break;
    case Kind::Replaced: vertices.setPoints(m_before); break;
    }
}

void RowsChange::redo(VertexModel &vertices) const
{
    switch (m_kind) {
    case Kind::None: break;
    case Kind::Appended: vertices.append(m_after); break;
    case Kind::Removed: vertices.remove(m_row); break;
    case Kind::Moved: vertices.move(m_row, m_after.front()); break;
    case Kind::Reordered: vertices.reorder(m_order); break;
    case Kind::Replaced: vertices.setPoints(m_after); break;
    }
}

qint64 RowsChange::bytes() const
{
    return qint64(sizeof(RowsChange)) + qint64((m_before.capacity() + m_after.capacity()) * sizeof(Point))
           + qint64(m_order.capacity() * sizeof(int));
}
