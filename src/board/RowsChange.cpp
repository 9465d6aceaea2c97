// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RowsChange.h"

RowsChange RowsChange::appended(const VertexModel::Vertices &vertices)
{
    RowsChange change;
    change.m_kind = vertices.isEmpty() ? Kind::None : Kind::Appended;
    change.m_after = vertices;
    return change;
}

RowsChange RowsChange::removed(int row, const VertexModel::Vertex &vertex)
{
    RowsChange change;
    change.m_kind = Kind::Removed;
    change.m_row = row;
    change.m_before = {vertex};
    return change;
}

RowsChange RowsChange::replaced(const VertexModel::Vertices &before, const VertexModel::Vertices &after)
{
    RowsChange change;
    change.m_kind = before.isEmpty() && after.isEmpty() ? Kind::None : Kind::Replaced;
    change.m_before = before;
    change.m_after = after;
    return change;
}

void RowsChange::undo(VertexModel &vertices) const
{
    switch (m_kind) {
    case Kind::None: break;
    case Kind::Appended: vertices.removeLastVertices(int(m_after.size())); break;
    case Kind::Removed: vertices.insertVertex(m_row, m_before.first()); break;
    case Kind::Replaced: vertices.setVertices(m_before); break;
    }
}

void RowsChange::redo(VertexModel &vertices) const
{
    switch (m_kind) {
    case Kind::None: break;
    case Kind::Appended: vertices.appendVertices(m_after); break;
    case Kind::Removed: vertices.removeVertex(m_row); break;
    case Kind::Replaced: vertices.setVertices(m_after); break;
    }
}
