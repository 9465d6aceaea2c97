// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexModel.h"

#include "VertexLines.h"

#include <algorithm>

namespace {

QString coordinate(double value)
{
    return QString::number(qint64(value));
}

} // namespace

int VertexModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : vertexCount();
}

int VertexModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant VertexModel::data(const QModelIndex &index, int role) const
{
    // A view asks for its current row also when it has none (Ctrl+C on an
    // empty list): no vertex, and nothing to warn about.
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole))
        return {};
    Q_ASSERT(checkIndex(index));
    const Point p = m_points[index.row()];
    switch (index.column()) {
    case XColumn: return coordinate(p.x);
    case YColumn: return coordinate(p.y);
    default: return QString::number(index.row() + 1);
    }
}

Qt::ItemFlags VertexModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && index.column() != NumberColumn ? flags | Qt::ItemIsEditable : flags;
}

QString VertexModel::vertexLines(QStringView lineEnd) const
{
    QString lines;
    lines.reserve(qsizetype(m_points.size()) * 11);
    for (const Point p : m_points)
        appendVertexLine(lines, coordinate(p.x), coordinate(p.y), lineEnd);
    return lines;
}

void VertexModel::append(const std::vector<Point> &points)
{
    const int count = std::min(int(points.size()), MaxVertices - vertexCount());
    if (count <= 0)
        return;
    const int n = vertexCount();
    beginInsertRows({}, n, n + count - 1);
    m_points.insert(m_points.end(), points.begin(), points.begin() + count);
    endInsertRows();
}

void VertexModel::removeLast(int count)
{
    count = std::min(count, vertexCount());
    if (count <= 0)
        return;
    const int n = vertexCount();
    beginRemoveRows({}, n - count, n - 1);
    m_points.resize(n - count);
    endRemoveRows();
}

void VertexModel::insert(int row, Point point)
{
    if (row < 0 || row > vertexCount() || isFull())
        return;
    beginInsertRows({}, row, row);
    m_points.insert(m_points.begin() + row, point);
    endInsertRows();
    numberFrom(row + 1);
}

void VertexModel::remove(int row)
{
    if (row < 0 || row >= vertexCount())
        return;
    beginRemoveRows({}, row, row);
    m_points.erase(m_points.begin() + row);
    endRemoveRows();
    numberFrom(row);
}

void VertexModel::move(int row, Point to)
{
    if (row < 0 || row >= vertexCount())
        return;
    m_points[row] = to;
    emit dataChanged(index(row, XColumn), index(row, YColumn), {Qt::DisplayRole});
}

// The vertices from `row` on have moved: their numbers changed.
void VertexModel::numberFrom(int row)
{
    if (row < vertexCount())
        emit dataChanged(index(row, NumberColumn), index(vertexCount() - 1, NumberColumn), {Qt::DisplayRole});
}

void VertexModel::reorder(const std::vector<int> &order)
{
    Q_ASSERT(int(order.size()) == vertexCount());
    std::vector<Point> reordered(m_points.size());
    for (size_t i = 0; i < order.size(); ++i)
        reordered[i] = m_points[order[i]];
    replaceAll(std::move(reordered));
}

void VertexModel::reorderInverse(const std::vector<int> &order)
{
    Q_ASSERT(int(order.size()) == vertexCount());
    std::vector<Point> restored(m_points.size());
    for (size_t i = 0; i < order.size(); ++i)
        restored[order[i]] = m_points[i];
    replaceAll(std::move(restored));
}

void VertexModel::setPoints(std::vector<Point> points)
{
    if (int(points.size()) > MaxVertices)
        points.resize(MaxVertices);
    if (points.empty() && m_points.empty())
        return;
    replaceAll(std::move(points));
}

void VertexModel::replaceAll(std::vector<Point> points)
{
    beginResetModel();
    m_points = std::move(points);
    endResetModel();
}
