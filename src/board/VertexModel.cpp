// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexModel.h"

#include "NumberText.h"
#include "VertexLines.h"

#include <algorithm>

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
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    Q_ASSERT(checkIndex(index));
    const Vertex &row = m_rows[index.row()];
    switch (index.column()) {
    case XColumn: return row.x;
    case YColumn: return row.y;
    default: return QString::number(index.row() + 1);
    }
}

QString VertexModel::xText(int row) const
{
    return row >= 0 && row < vertexCount() ? m_rows[row].x : QString();
}

QString VertexModel::yText(int row) const
{
    return row >= 0 && row < vertexCount() ? m_rows[row].y : QString();
}

Point VertexModel::point(int row) const
{
    return row >= 0 && row < vertexCount() ? m_rows[row].position : Point();
}

std::vector<Point> VertexModel::points() const
{
    std::vector<Point> points;
    points.reserve(m_rows.size());
    for (const Vertex &row : m_rows)
        points.push_back(row.position);
    return points;
}

QString VertexModel::vertexLines(QStringView lineEnd) const
{
    QString lines;
    lines.reserve(m_rows.size() * 11);
    for (const Vertex &row : m_rows)
        appendVertexLine(lines, row.x, row.y, lineEnd);
    return lines;
}

VertexModel::Vertex VertexModel::vertexAt(float x, float y)
{
    Vertex vertex{coordinateText(x), coordinateText(y), {}};
    vertex.position = {parseLeadingNumber(vertex.x), parseLeadingNumber(vertex.y)};
    return vertex;
}

void VertexModel::appendVertex(float x, float y)
{
    appendVertices({vertexAt(x, y)});
}

void VertexModel::appendVertices(const Vertices &vertices)
{
    const int count = std::min(int(vertices.size()), MaxVertices - vertexCount());
    if (count <= 0)
        return;
    const int n = vertexCount();
    beginInsertRows({}, n, n + count - 1);
    m_rows.append(vertices.mid(0, count));
    endInsertRows();
}

void VertexModel::removeLastVertices(int count)
{
    count = std::min(count, vertexCount());
    if (count <= 0)
        return;
    const int n = vertexCount();
    if (m_selectedRow >= n - count)
        clearSelection();
    beginRemoveRows({}, n - count, n - 1);
    m_rows.remove(n - count, count);
    endRemoveRows();
}

void VertexModel::insertVertex(int row, const Vertex &vertex)
{
    if (row < 0 || row > vertexCount() || isFull())
        return;
    clearSelection(); // its row would move
    beginInsertRows({}, row, row);
    m_rows.insert(row, vertex);
    endInsertRows();
    numberFrom(row + 1);
}

void VertexModel::removeVertex(int row)
{
    if (row < 0 || row >= vertexCount())
        return;
    // The selection goes first: a list whose current row is removed would
    // otherwise move it to a neighbour and select that one on the way.
    clearSelection();
    beginRemoveRows({}, row, row);
    m_rows.remove(row);
    endRemoveRows();
    numberFrom(row);
}

// The vertices from `row` on have moved: their numbers changed.
void VertexModel::numberFrom(int row)
{
    if (row < vertexCount())
        emit dataChanged(index(row, NumberColumn), index(vertexCount() - 1, NumberColumn), {Qt::DisplayRole});
}

bool VertexModel::removeSelectedVertex()
{
    if (m_selectedRow < 0)
        return false;
    removeVertex(m_selectedRow);
    m_closed = false;
    return true;
}

void VertexModel::reorder(const std::vector<int> &order)
{
    Q_ASSERT(int(order.size()) == vertexCount());
    Vertices reordered;
    reordered.reserve(m_rows.size());
    for (int row : order)
        reordered.append(m_rows[row]);
    setVertices(reordered);
}

void VertexModel::setVertices(const Vertices &vertices)
{
    beginResetModel();
    m_rows = vertices.mid(0, MaxVertices);
    endResetModel();
    clearSelection();
}

void VertexModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    m_closed = false;
    clearSelection();
}

void VertexModel::selectRow(int row)
{
    if (row < 0 || row >= vertexCount() || row == m_selectedRow)
        return;
    m_selectedRow = row;
    m_closed = false;
    emit selectedRowChanged(row);
    emit vertexPicked(row);
}

void VertexModel::setSelectedRow(int row)
{
    if (row < -1 || row >= vertexCount() || row == m_selectedRow)
        return;
    m_selectedRow = row;
    emit selectedRowChanged(row);
}

void VertexModel::clearSelection()
{
    if (m_selectedRow < 0)
        return;
    m_selectedRow = -1;
    emit selectedRowChanged(-1);
}
