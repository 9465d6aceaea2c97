// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VertexModel.h"

#include <QtGlobal>

#include <vector>

// How one change of the board changed its rows, kept so that it can be
// taken back and done again. It holds what the change touched, not the whole
// board: placing a vertex on a board of 32,767 keeps one row, putting the
// rows in contour order keeps the order.
class RowsChange
{
public:
    // The rows did not change.
    RowsChange() = default;
    static RowsChange appended(std::vector<Point> points);
    static RowsChange removed(int row, Point point);
    static RowsChange moved(int row, Point from, Point to);
    static RowsChange reordered(std::vector<int> order);
    static RowsChange replaced(std::vector<Point> before, std::vector<Point> after);

    bool isEmpty() const { return m_kind == Kind::None; }
    bool onlyAppends() const { return m_kind == Kind::Appended; }
    // From the rows after the change to those before it, and back again.
    void undo(VertexModel &vertices) const;
    void redo(VertexModel &vertices) const;
    // What the change keeps, in bytes.
    qint64 bytes() const;

private:
    enum class Kind { None, Appended, Removed, Moved, Reordered, Replaced };

    Kind m_kind = Kind::None;
    int m_row = 0;
    std::vector<Point> m_before; // removed, moved from, or replaced
    std::vector<Point> m_after;  // appended, moved to, or put in their place
    std::vector<int> m_order;    // reordered
};
