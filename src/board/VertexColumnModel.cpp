// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexColumnModel.h"

VertexColumnModel::VertexColumnModel(QAbstractItemModel *vertices, int column, QObject *parent)
    : QAbstractListModel(parent), m_vertices(vertices), m_column(column)
{
    using Model = QAbstractItemModel;
    connect(vertices, &Model::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) { beginInsertRows({}, first, last); });
    connect(vertices, &Model::rowsInserted, this, [this] { endInsertRows(); });
    connect(vertices, &Model::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { beginRemoveRows({}, first, last); });
    connect(vertices, &Model::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(vertices, &Model::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(vertices, &Model::modelReset, this, [this] { endResetModel(); });
    connect(vertices, &Model::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                if (topLeft.column() <= m_column && m_column <= bottomRight.column())
                    emit dataChanged(index(topLeft.row()), index(bottomRight.row()), roles);
            });
}

QModelIndex VertexColumnModel::inVertices(const QModelIndex &index) const
{
    return m_vertices->index(index.row(), m_column);
}

int VertexColumnModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_vertices->rowCount();
}

QVariant VertexColumnModel::data(const QModelIndex &index, int role) const
{
    return index.isValid() ? inVertices(index).data(role) : QVariant();
}

Qt::ItemFlags VertexColumnModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? m_vertices->flags(inVertices(index)) : QAbstractListModel::flags(index);
}
