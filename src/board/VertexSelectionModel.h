// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QItemSelectionModel>

class Board;
class VertexColumnModel;

// The selection of one vertex list, kept equal to the board's selected row:
// a row the user picks in the list (mouse or keyboard) is picked on the
// board, and the list shows, as current and selected, whichever row the
// board has selected. So the three lists never disagree, and the user
// cannot clear the selection (Ctrl+click, Ctrl+Space).
class VertexSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    // For a list that shows one column of the board's vertices.
    VertexSelectionModel(Board *board, VertexColumnModel *column, QObject *parent = nullptr);

    using QItemSelectionModel::select;
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override;

private:
    void showSelectedRow(int row);

    Board *m_board;
    VertexColumnModel *m_column;
    bool m_showing = false; // the change comes from the board, not the list
};
