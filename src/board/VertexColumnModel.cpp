// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexColumnModel.h"

#include <algorithm>
#include <utility>

VertexColumnModel::VertexColumnModel(QAbstractItemModel *vertices, int column, QObject *parent)
    : QAbstractListModel(parent), m_vertices(vertices), m_column(column), m_shownRows(vertices->rowCount())
{
    using Model = QAbstractItemModel;
    // Rows inserted or removed among those not shown yet change nothing
    // shown; a change of shown rows is told at once, after the rows waiting.
    connect(vertices, &Model::rowsAboutToBeInserted, this, [this](const QModelIndex &, int first, int last) {
        m_forwarding = first < m_shownRows;
        if (m_forwarding) {
            showAppendedRows();
            beginInsertRows({}, first, last);
        }
    });
    connect(vertices, &Model::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        if (!m_forwarding)
            return showAppendedRowsLater();
        m_shownRows += last - first + 1;
        endInsertRows();
    });
    connect(vertices, &Model::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int first, int last) {
        m_forwarding = first < m_shownRows;
        if (m_forwarding) {
            showAppendedRows();
            beginRemoveRows({}, first, last);
        }
    });
    connect(vertices, &Model::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
        if (!m_forwarding)
            return;
        m_shownRows -= last - first + 1;
        endRemoveRows();
    });
    connect(vertices, &Model::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(vertices, &Model::modelReset, this, [this] {
        m_shownRows = m_vertices->rowCount();
        endResetModel();
    });
    connect(vertices, &Model::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                const int last = std::min(bottomRight.row(), m_shownRows - 1);
                if (topLeft.column() <= m_column && m_column <= bottomRight.column() && topLeft.row() <= last)
                    emit dataChanged(index(topLeft.row()), index(last), roles);
            });
}

QModelIndex VertexColumnModel::inVertices(const QModelIndex &index) const
{
    return m_vertices->index(index.row(), m_column);
}

int VertexColumnModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

QVariant VertexColumnModel::data(const QModelIndex &index, int role) const
{
    return index.isValid() ? inVertices(index).data(role) : QVariant();
}

Qt::ItemFlags VertexColumnModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? m_vertices->flags(inVertices(index)) : QAbstractListModel::flags(index);
}

void VertexColumnModel::showAppendedRows()
{
    const int rows = m_vertices->rowCount();
    if (rows <= m_shownRows)
        return;
    beginInsertRows({}, m_shownRows, rows - 1);
    m_shownRows = rows;
    endInsertRows();
}

void VertexColumnModel::showAppendedRowsLater()
{
    if (std::exchange(m_showingLater, true))
        return;
    QMetaObject::invokeMethod(this, [this] {
        m_showingLater = false;
        showAppendedRows();
    }, Qt::QueuedConnection);
}
