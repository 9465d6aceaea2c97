// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <vector>

// The board: the vertices in polygon order, the selected vertex and whether
// the board is closed. The X, Y and number lists of the window are views of
// its three columns.
//
// A vertex keeps its coordinates as the texts the lists show, formed once
// when it is placed, together with the position read back from them, so that
// every use of a vertex sees the same number its text says. Vertex numbers
// are positions: row r is vertex r + 1, whatever happens to the rows.
//
// The board is closed from the end of an area computation until it is
// reopened by selecting a vertex, deleting one or clearing the board; while
// it is closed, presses on the canvas add nothing.
class VertexModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { XColumn, YColumn, NumberColumn, ColumnCount };

    // Vertex numbers are 16-bit: a full board takes no more vertices.
    static constexpr int MaxVertices = 32767;

    // A vertex as its row holds it: the texts the lists show, and the
    // position read back from them.
    struct Vertex {
        QString x;
        QString y;
        Point position;
    };
    using Vertices = QList<Vertex>;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int vertexCount() const { return int(m_rows.size()); }
    bool isFull() const { return vertexCount() >= MaxVertices; }
    QString xText(int row) const;
    QString yText(int row) const;
    // The position of a vertex; (0, 0) for a row that does not exist.
    Point point(int row) const;
    std::vector<Point> points() const;
    const Vertices &vertices() const { return m_rows; }
    // Every vertex as a line "X<Tab>Y" in the texts the lists show, each
    // line ended by `lineEnd`.
    QString vertexLines(QStringView lineEnd = u"\n") const;

    // The vertex at a canvas position, as a row would hold it.
    static Vertex vertexAt(float x, float y);
    // Appends a vertex at a canvas position; a full board keeps what it has.
    void appendVertex(float x, float y);
    // Appends vertices, as many as the board has room for.
    void appendVertices(const Vertices &vertices);
    // Removes the last `count` rows.
    void removeLastVertices(int count);
    // Inserts a vertex at a row, or removes the vertex of a row; the rows
    // after it move and are numbered again.
    void insertVertex(int row, const Vertex &vertex);
    void removeVertex(int row);
    // Removes the selected vertex, clears the selection and reopens the
    // board; false, with nothing changed, when no vertex is selected.
    bool removeSelectedVertex();
    // Puts the rows in the given order (every row once); clears the selection.
    void reorder(const std::vector<int> &order);
    // Replaces every row; clears the selection.
    void setVertices(const Vertices &vertices);
    // No vertices, none selected, the board open.
    void clear();

    // The selected row, -1 for none.
    int selectedRow() const { return m_selectedRow; }
    // The user picks a row: it is selected and the board reopens. Picking the
    // row that is already selected, or a row that does not exist, does nothing.
    void selectRow(int row);
    // Shows an existing row, or none (-1), as the selected one, and nothing
    // more: for putting back a board as it was.
    void setSelectedRow(int row);

    bool isClosed() const { return m_closed; }
    void setClosed(bool closed) { m_closed = closed; }

signals:
    // The selected row changed: a row was picked or set, or the selection was
    // cleared (-1) by a removal, a reordering or clearing.
    void selectedRowChanged(int row);
    // The user picked a row (after selectedRowChanged).
    void vertexPicked(int row);

private:
    void clearSelection();
    void numberFrom(int row);

    Vertices m_rows;
    int m_selectedRow = -1;
    bool m_closed = false;
};
