// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>

// One column of the board's vertices (X, Y or number) as a list of its own,
// for one of the three lists to show: a list view would otherwise tell a
// screen reader every column of every row, whichever one it shows. It holds
// nothing of its own but how many rows it has shown, and follows every
// change of the rows.
//
// Rows appended after the last one shown are shown together once control
// returns to the event loop: 32,767 presses in a row insert their rows into
// the list in one step, not one a press, and the user sees no difference.
// Any other change of the rows shows them first.
class VertexColumnModel : public QAbstractListModel
{
    Q_OBJECT

public:
    VertexColumnModel(QAbstractItemModel *vertices, int column, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Shows the rows appended since the last ones shown, now.
    void showAppendedRows();

private:
    QModelIndex inVertices(const QModelIndex &index) const;
    void showAppendedRowsLater();

    QAbstractItemModel *m_vertices;
    int m_column;
    int m_shownRows;
    bool m_showingLater = false; // a call to show the appended rows is on its way
    bool m_forwarding = false;   // a change of shown rows was begun
};
