// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexLabels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// The eight directions from a dot, as steps of -1, 0 or 1 along X and Y.
constexpr std::array<QPointF, 8> Directions{{{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

QPointF middleOf(const std::vector<QPointF> &dots)
{
    QPointF sum;
    for (QPointF dot : dots)
        sum += dot;
    return dots.empty() ? sum : sum / qreal(dots.size());
}

QRectF dotBox(QPointF dot, qreal radius)
{
    return QRectF(dot - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
}

// The label beside the dot in one direction, half the dot's width away
// from it: to its right it is centred on the dot's height, diagonally its
// nearest corner faces the dot's box corner.
QRectF besideDot(QPointF dot, qreal radius, QSizeF label, QPointF direction)
{
    const qreal gap = radius * 1.5;
    const QPointF centre = dot + QPointF(direction.x() * (gap + label.width() / 2),
                                         direction.y() * (gap + label.height() / 2));
    return QRectF(centre - QPointF(label.width() / 2, label.height() / 2), label);
}

// The directions, the one most nearly along `outward` first.
std::array<QPointF, 8> directionsFacing(QPointF outward)
{
    std::array<QPointF, 8> order = Directions;
    const auto along = [outward](QPointF d) {
        const qreal length = d.x() != 0 && d.y() != 0 ? std::sqrt(qreal(2)) : 1;
        return QPointF::dotProduct(d, outward) / length;
    };
    std::stable_sort(order.begin(), order.end(), [&](QPointF a, QPointF b) { return along(a) > along(b); });
    return order;
}

// A grid of square cells over an area, and the cells a rectangle touches,
// those at the area's edge standing for all beyond it.
struct Grid {
    struct Cells {
        int left, top, right, bottom;
    };

    Grid(const QRectF &area, qreal cell)
        : origin(area.topLeft()),
          cell(cell),
          columns(std::max(1, int(std::ceil(area.width() / cell)))),
          rows(std::max(1, int(std::ceil(area.height() / cell))))
    {
    }

    Cells cellsOf(const QRectF &box) const
    {
        const auto column = [this](qreal x) { return std::clamp(int(std::floor((x - origin.x()) / cell)), 0, columns - 1); };
        const auto row = [this](qreal y) { return std::clamp(int(std::floor((y - origin.y()) / cell)), 0, rows - 1); };
        return {column(box.left()), row(box.top()), column(box.right()), row(box.bottom())};
    }
    size_t index(int row, int column) const { return size_t(row) * size_t(columns) + size_t(column); }

    QPointF origin;
    qreal cell;
    int columns;
    int rows;
};

// Where the dots are, as cells a quarter of a dot's radius wide, counted so
// that whether a rectangle touches a dot's cell is one look-up: a full
// board's dots are dense, and a number is tried against them 32,767 times
// eight. A cell that a dot's box touches counts whole, so a place less than
// a cell from a dot counts as over it; a number stands three quarters of a
// radius off its dot, farther than a cell.
class DotCells
{
public:
    DotCells(const QRectF &area, qreal dotRadius, const std::vector<QRectF> &boxes)
        : m_grid(area, std::max(dotRadius / 4, qreal(0.5))), m_sums(size_t(m_grid.columns + 1) * size_t(m_grid.rows + 1))
    {
        std::vector<int> marked(size_t(m_grid.columns) * size_t(m_grid.rows));
        for (const QRectF &box : boxes) {
            const Grid::Cells c = m_grid.cellsOf(box);
            for (int r = c.top; r <= c.bottom; ++r)
                for (int col = c.left; col <= c.right; ++col)
                    marked[m_grid.index(r, col)] = 1;
        }
        // The count of marked cells above and left of each corner.
        for (int r = 0; r < m_grid.rows; ++r)
            for (int col = 0; col < m_grid.columns; ++col)
                sum(r + 1, col + 1) = marked[m_grid.index(r, col)] + sum(r, col + 1) + sum(r + 1, col) - sum(r, col);
    }

    bool overlaps(const QRectF &box) const
    {
        const Grid::Cells c = m_grid.cellsOf(box);
        return sum(c.bottom + 1, c.right + 1) - sum(c.top, c.right + 1) - sum(c.bottom + 1, c.left) + sum(c.top, c.left) > 0;
    }

private:
    int &sum(int row, int column) { return m_sums[size_t(row) * size_t(m_grid.columns + 1) + size_t(column)]; }
    int sum(int row, int column) const { return m_sums[size_t(row) * size_t(m_grid.columns + 1) + size_t(column)]; }

    Grid m_grid;
    std::vector<int> m_sums;
};

// The rectangles taken so far, filed by the cells of a grid over the area
// that they touch.
class TakenBoxes
{
public:
    TakenBoxes(const QRectF &area, qreal cell)
        : m_grid(area, std::max(cell, qreal(1))), m_cells(size_t(m_grid.columns) * size_t(m_grid.rows))
    {
    }

    void take(const QRectF &box)
    {
        const auto index = int(m_boxes.size());
        m_boxes.push_back(box);
        const Grid::Cells cells = m_grid.cellsOf(box);
        for (int r = cells.top; r <= cells.bottom; ++r)
            for (int c = cells.left; c <= cells.right; ++c)
                m_cells[m_grid.index(r, c)].push_back(index);
    }

    bool overlaps(const QRectF &box) const
    {
        const Grid::Cells cells = m_grid.cellsOf(box);
        for (int r = cells.top; r <= cells.bottom; ++r)
            for (int c = cells.left; c <= cells.right; ++c)
                for (int i : m_cells[m_grid.index(r, c)])
                    if (m_boxes[size_t(i)].intersects(box))
                        return true;
        return false;
    }

private:
    Grid m_grid;
    std::vector<std::vector<int>> m_cells;
    std::vector<QRectF> m_boxes;
};

} // namespace

std::vector<QRectF> placeVertexLabels(const std::vector<QPointF> &dots, qreal dotRadius,
                                      const std::vector<QSizeF> &labels, const QRectF &area)
{
    qreal largest = 2 * dotRadius;
    for (QSizeF label : labels)
        largest = std::max({largest, label.width(), label.height()});
    std::vector<QRectF> dotBoxes;
    dotBoxes.reserve(dots.size());
    for (QPointF dot : dots)
        dotBoxes.push_back(dotBox(dot, dotRadius));
    const DotCells dotCells(area, dotRadius, dotBoxes);
    TakenBoxes numberBoxes(area, largest);

    const QPointF middle = middleOf(dots);
    std::vector<QRectF> places(std::min(dots.size(), labels.size()));
    for (size_t i = 0; i < places.size(); ++i) {
        QPointF outward = dots[i] - middle;
        if (outward.isNull())
            outward = QPointF(1, -1); // up and to the right
        for (QPointF direction : directionsFacing(outward)) {
            const QRectF place = besideDot(dots[i], dotRadius, labels[i], direction);
            if (area.contains(place) && !dotCells.overlaps(place) && !numberBoxes.overlaps(place)) {
                places[i] = place;
                numberBoxes.take(place);
                break;
            }
        }
    }
    return places;
}
