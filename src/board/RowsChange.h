// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VertexModel.h"

// How one change of the board changed its rows, kept so that it can be
// taken back and done again. It holds what the change touched, not the whole
// board: placing a vertex on a board of 32,767 keeps one row.
class RowsChange
{
public:
    // The rows did not change.
    RowsChange() = default;
    static RowsChange appended(const VertexModel::Vertices &vertices);
    static RowsChange removed(int row, const VertexModel::Vertex &vertex);
    static RowsChange replaced(const VertexModel::Vertices &before, const VertexModel::Vertices &after);

    bool isEmpty() const { return m_kind == Kind::None; }
    // From the rows after the change to those before it, and back again.
    void undo(VertexModel &vertices) const;
    void redo(VertexModel &vertices) const;

private:
    enum class Kind { None, Appended, Removed, Replaced };

    Kind m_kind = Kind::None;
    int m_row = 0;
    VertexModel::Vertices m_before; // removed or replaced
    VertexModel::Vertices m_after;  // appended or put in their place
};
