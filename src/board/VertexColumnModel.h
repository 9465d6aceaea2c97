// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>

// One column of the board's vertices (X, Y or number) as a list of its own,
// for one of the three lists to show: a list view would otherwise tell a
// screen reader every column of every row, whichever one it shows. It holds
// nothing of its own and follows every change of the rows.
class VertexColumnModel : public QAbstractListModel
{
    Q_OBJECT

public:
    VertexColumnModel(QAbstractItemModel *vertices, int column, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QModelIndex inVertices(const QModelIndex &index) const;

    QAbstractItemModel *m_vertices;
    int m_column;
};
