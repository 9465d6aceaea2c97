// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexModel.h"

#include "NumberText.h"
#include "VertexLines.h"

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
    const Row &row = m_rows[index.row()];
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
    for (const Row &row : m_rows)
        points.push_back(row.position);
    return points;
}

QString VertexModel::vertexLines() const
{
    QString lines;
    lines.reserve(m_rows.size() * 10);
    for (const Row &row : m_rows)
        appendVertexLine(lines, row.x, row.y);
    return lines;
}

void VertexModel::appendVertex(float x, float y)
{
    if (isFull())
        return;
    Row row{coordinateText(x), coordinateText(y), {}};
    row.position = {parseLeadingNumber(row.x), parseLeadingNumber(row.y)};
    const int n = vertexCount();
    beginInsertRows({}, n, n);
    m_rows.append(std::move(row));
    endInsertRows();
}

bool VertexModel::removeSelectedVertex()
{
    const int row = m_selectedRow;
    if (row < 0)
        return false;
    // The selection goes first: a list whose current row is removed would
    // otherwise move it to a neighbour and select that one on the way.
    clearSelection();
    beginRemoveRows({}, row, row);
    m_rows.remove(row);
    endRemoveRows();
    // The vertices after it move up and take the numbers one lower.
    if (row < vertexCount())
        emit dataChanged(index(row, NumberColumn), index(vertexCount() - 1, NumberColumn), {Qt::DisplayRole});
    m_closed = false;
    return true;
}

void VertexModel::reorder(const std::vector<int> &order)
{
    Q_ASSERT(int(order.size()) == vertexCount());
    QList<Row> reordered;
    reordered.reserve(m_rows.size());
    for (int row : order)
        reordered.append(m_rows[row]);
    beginResetModel();
    m_rows = std::move(reordered);
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
}

void VertexModel::clearSelection()
{
    if (m_selectedRow < 0)
        return;
    m_selectedRow = -1;
    emit selectedRowChanged(-1);
}
