// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QAbstractTableModel>
#include <QPoint>
#include <QString>

#include <vector>

// The board's vertices in polygon order, as the X, Y and number lists show
// them: three columns of one table. Vertex numbers are positions: row r is
// vertex r + 1, whatever happens to the rows.
//
// A vertex is a whole pixel of the canvas, as every way of placing one gives
// it; the lists show its coordinates as plain whole numbers.
class VertexModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { XColumn, YColumn, NumberColumn, ColumnCount };

    // Vertex numbers are 16-bit: a full board takes no more vertices.
    static constexpr int MaxVertices = 32767;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A coordinate can be edited, by the board: setData changes nothing.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int vertexCount() const { return int(m_points.size()); }
    bool isFull() const { return vertexCount() >= MaxVertices; }
    const std::vector<Point> &points() const { return m_points; }
    // Every vertex as a line "X<Tab>Y", each ended by `lineEnd`.
    QString vertexLines(QStringView lineEnd = u"\n") const;

    // The changes, as the board makes them. Appending takes as many as the
    // board has room for; rows that move are numbered again.
    void append(const std::vector<Point> &points);
    void removeLast(int count);
    void insert(int row, Point point);
    void remove(int row);
    void move(int row, Point to);
    // Every row once, in the given order; the inverse puts them back.
    void reorder(const std::vector<int> &order);
    void reorderInverse(const std::vector<int> &order);
    void setPoints(std::vector<Point> points);

    // The position of a canvas pixel as a vertex holds it.
    static Point pointAt(QPoint pixel) { return {double(pixel.x()), double(pixel.y())}; }

private:
    void replaceAll(std::vector<Point> points);
    void numberFrom(int row);

    std::vector<Point> m_points;
};
