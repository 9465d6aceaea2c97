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

// Where the dots and the lines are, as cells a quarter of a dot's radius
// wide, counted so that whether a rectangle touches one is a single look-up:
// a full board's dots are dense, and a number is tried against them 32,767
// times eight. A cell that a dot's box or a line touches counts whole, so a
// place less than a cell from a dot counts as over it; a number stands three
// quarters of a radius off its dot, farther than a cell.
class InkCells
{
public:
    InkCells(const QRectF &area, qreal dotRadius, const std::vector<QRectF> &boxes, const std::vector<QLineF> &lines,
             qreal lineWidth)
        : m_grid(area, std::max(dotRadius / 4, qreal(0.5))), m_sums(size_t(m_grid.columns + 1) * size_t(m_grid.rows + 1))
    {
        std::vector<char> marked = lineCells(lines, lineWidth);
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

    // The cells under each line's middle, a cell a step along its longer
    // axis, then widened by half the line's width and the cell a step may
    // skip beside the middle.
    std::vector<char> lineCells(const std::vector<QLineF> &lines, qreal lineWidth) const
    {
        std::vector<char> marked(size_t(m_grid.columns) * size_t(m_grid.rows));
        if (lines.empty())
            return marked;
        for (const QLineF &line : lines) {
            const QPointF from = (line.p1() - m_grid.origin) / m_grid.cell, to = (line.p2() - m_grid.origin) / m_grid.cell;
            const int steps = int(std::ceil(std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()))));
            for (int s = 0; s <= steps; ++s) {
                const QPointF at = steps == 0 ? from : from + (to - from) * (qreal(s) / steps);
                const int column = int(std::floor(at.x())), row = int(std::floor(at.y()));
                if (column >= 0 && column < m_grid.columns && row >= 0 && row < m_grid.rows)
                    marked[m_grid.index(row, column)] = 1;
            }
        }
        widen(marked, int(std::ceil(lineWidth / 2 / m_grid.cell)) + 1);
        return marked;
    }

    // Every cell within `by` cells of a marked one marked, along the rows and
    // then the columns.
    void widen(std::vector<char> &marked, int by) const
    {
        const auto pass = [&](int lines, int length, auto at) {
            std::vector<char> line(static_cast<size_t>(length));
            for (int l = 0; l < lines; ++l) {
                for (int i = 0; i < length; ++i)
                    line[size_t(i)] = marked[at(l, i)];
                int inWindow = 0; // marked cells from i - by to i + by
                for (int i = 0; i < std::min(by, length); ++i)
                    inWindow += line[size_t(i)];
                for (int i = 0; i < length; ++i) {
                    if (i + by < length)
                        inWindow += line[size_t(i + by)];
                    if (i - by - 1 >= 0)
                        inWindow -= line[size_t(i - by - 1)];
                    marked[at(l, i)] = inWindow > 0;
                }
            }
        };
        pass(m_grid.rows, m_grid.columns, [this](int row, int column) { return m_grid.index(row, column); });
        pass(m_grid.columns, m_grid.rows, [this](int column, int row) { return m_grid.index(row, column); });
    }

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

struct LabelRoom::Drawn {
    Drawn(const QRectF &bounds, const std::vector<QPointF> &dots, qreal radius, QSizeF largest,
          const std::vector<QLineF> &lines, qreal lineWidth)
        : dots(dots),
          radius(radius),
          middle(middleOf(dots)),
          ink(bounds, radius, boxesOf(dots, radius), lines, lineWidth),
          bounds(bounds),
          cell(std::max({2 * radius, largest.width(), largest.height()})),
          taken(bounds, cell)
    {
    }

    static std::vector<QRectF> boxesOf(const std::vector<QPointF> &dots, qreal radius)
    {
        std::vector<QRectF> boxes;
        boxes.reserve(dots.size());
        for (QPointF dot : dots)
            boxes.push_back(dotBox(dot, radius));
        return boxes;
    }

    // From the middle of the figure out through the dot.
    QPointF outward(size_t dot) const
    {
        const QPointF away = dots[dot] - middle;
        return away.isNull() ? QPointF(1, -1) : away; // up and to the right
    }

    bool clear(const QRectF &place, const QRectF &area) const
    {
        return area.contains(place) && !ink.overlaps(place) && !taken.overlaps(place);
    }

    // The dots, each alone, filed when a number is first placed anyway.
    const TakenBoxes &dotsFiled() const
    {
        if (!dotBoxes) {
            dotBoxes = std::make_unique<TakenBoxes>(bounds, cell);
            for (QPointF dot : dots)
                dotBoxes->take(dotBox(dot, radius));
        }
        return *dotBoxes;
    }

    std::vector<QPointF> dots;
    qreal radius;
    QPointF middle;
    InkCells ink;
    QRectF bounds;
    qreal cell;
    TakenBoxes taken; // the numbers placed
    mutable std::unique_ptr<TakenBoxes> dotBoxes;
};

LabelRoom::LabelRoom(const QRectF &bounds, const std::vector<QPointF> &dots, qreal dotRadius, QSizeF largestLabel,
                     const std::vector<QLineF> &lines, qreal lineWidth)
    : m_drawn(std::make_unique<Drawn>(bounds, dots, dotRadius, largestLabel, lines, lineWidth))
{
}

LabelRoom::~LabelRoom() = default;

QRectF LabelRoom::placeBeside(size_t dot, QSizeF label, const QRectF &area)
{
    for (QPointF direction : directionsFacing(m_drawn->outward(dot))) {
        const QRectF place = besideDot(m_drawn->dots[dot], m_drawn->radius, label, direction);
        if (m_drawn->clear(place, area)) {
            m_drawn->taken.take(place);
            return place;
        }
    }
    return {};
}

// Round the dot on ellipses half a number's height apart, from the
// direction facing out of the figure both ways round.
QRectF LabelRoom::placeNear(size_t dot, QSizeF label, const QRectF &area, const std::vector<QRectF> &others,
                            qreal reach) const
{
    const QPointF outward = m_drawn->outward(dot);
    const qreal facing = std::atan2(outward.y(), outward.x());
    const qreal step = std::max(qreal(1), std::min(label.width(), label.height()) / 2);
    constexpr qreal Turn = 6.283185307179586;
    for (qreal gap = m_drawn->radius * 1.5; gap <= reach; gap += step) {
        const int directions = std::clamp(int(Turn * (gap + label.width() / 2) / step), 8, 64);
        for (int i = 0; i < directions; ++i) {
            const qreal angle = facing + (i % 2 ? 1 : -1) * ((i + 1) / 2) * Turn / directions;
            const QPointF centre = m_drawn->dots[dot] + QPointF(std::cos(angle) * (gap + label.width() / 2),
                                                                std::sin(angle) * (gap + label.height() / 2));
            const QRectF place(centre - QPointF(label.width() / 2, label.height() / 2), label);
            if (m_drawn->clear(place, area)
                && std::none_of(others.begin(), others.end(), [&](const QRectF &o) { return o.intersects(place); }))
                return place;
        }
    }
    return {};
}

QRectF LabelRoom::placeAnyway(size_t dot, QSizeF label, const QRectF &area, const std::vector<QRectF> &others) const
{
    QRectF best;
    int bestCovers = 4;
    for (QPointF direction : directionsFacing(m_drawn->outward(dot))) {
        QRectF place = besideDot(m_drawn->dots[dot], m_drawn->radius, label, direction);
        // Pushed in from the area's edges.
        place.moveLeft(std::clamp(place.left(), area.left(), std::max(area.left(), area.right() - place.width())));
        place.moveTop(std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() - place.height())));
        // Another number covered is worse than a dot.
        const int covers = 2 * std::any_of(others.begin(), others.end(), [&](const QRectF &o) { return o.intersects(place); })
                           + m_drawn->dotsFiled().overlaps(place);
        if (covers < bestCovers) {
            best = place;
            bestCovers = covers;
        }
    }
    return best;
}

std::vector<QRectF> placeVertexLabels(const std::vector<QPointF> &dots, qreal dotRadius,
                                      const std::vector<QSizeF> &labels, const QRectF &area)
{
    QSizeF largest;
    for (QSizeF label : labels)
        largest = largest.expandedTo(label);
    LabelRoom room(area, dots, dotRadius, largest);
    std::vector<QRectF> places(std::min(dots.size(), labels.size()));
    for (size_t i = 0; i < places.size(); ++i)
        places[i] = room.placeBeside(i, labels[i], area);
    return places;
}
