// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexSelectionModel.h"

#include "VertexModel.h"

#include <QScopedValueRollback>

VertexSelectionModel::VertexSelectionModel(VertexModel *vertices, int column, QObject *parent)
    : QItemSelectionModel(vertices, parent), m_vertices(vertices), m_column(column)
{
    connect(vertices, &VertexModel::selectedRowChanged, this, &VertexSelectionModel::showSelectedRow);
}

void VertexSelectionModel::select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command)
{
    if (m_showing) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    // From the list: picking a row selects it on the board; a request to
    // deselect or to clear is not the user's to make.
    if ((command & Select) && !selection.isEmpty())
        m_vertices->selectRow(selection.first().top());
}

void VertexSelectionModel::showSelectedRow(int row)
{
    const QScopedValueRollback showing(m_showing, true);
    const QModelIndex index = m_vertices->index(row, m_column);
    if (!index.isValid()) {
        clearSelection();
        clearCurrentIndex();
        return;
    }
    select(index, ClearAndSelect);
    // The list scrolls to its current row.
    setCurrentIndex(index, NoUpdate);
}
