// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexSelectionModel.h"

#include "Board.h"
#include "VertexColumnModel.h"

#include <QScopedValueRollback>

VertexSelectionModel::VertexSelectionModel(Board *board, VertexColumnModel *column, QObject *parent)
    : QItemSelectionModel(column, parent), m_board(board), m_column(column)
{
    connect(board, &Board::selectedRowChanged, this, &VertexSelectionModel::showSelectedRow);
}

void VertexSelectionModel::select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command)
{
    if (m_showing) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    // From the list: picking a row picks it on the board; a request to
    // deselect or to clear is not the user's to make.
    if ((command & Select) && !selection.isEmpty())
        m_board->selectRow(selection.first().top());
}

void VertexSelectionModel::showSelectedRow(int row)
{
    const QScopedValueRollback showing(m_showing, true);
    // The row may have been placed since the list last took its new rows.
    m_column->showAppendedRows();
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid()) {
        clearSelection();
        clearCurrentIndex();
        return;
    }
    select(index, ClearAndSelect);
    // The list scrolls to its current row.
    setCurrentIndex(index, NoUpdate);
}
