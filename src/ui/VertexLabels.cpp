// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexLabels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

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

// The label beside the dot in one direction, a quarter of the dot's width
// away from it: to its right it is centred on the dot's height, diagonally
// its nearest corner faces the dot's box corner.
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
    const auto along = [outward](QPointF d) { return QPointF::dotProduct(d, outward) / std::hypot(d.x(), d.y()); };
    std::stable_sort(order.begin(), order.end(), [&](QPointF a, QPointF b) { return along(a) > along(b); });
    return order;
}

bool overlapsAny(const QRectF &place, const std::vector<QRectF> &taken)
{
    return std::any_of(taken.begin(), taken.end(), [&](const QRectF &box) { return box.intersects(place); });
}

} // namespace

std::vector<QRectF> placeVertexLabels(const std::vector<QPointF> &dots, qreal dotRadius,
                                      const std::vector<QSizeF> &labels, const QRectF &area)
{
    const QPointF middle = middleOf(dots);
    std::vector<QRectF> dotBoxes;
    for (QPointF dot : dots)
        dotBoxes.push_back(dotBox(dot, dotRadius));

    std::vector<QRectF> places;
    places.reserve(dots.size());
    for (size_t i = 0; i < dots.size() && i < labels.size(); ++i) {
        QPointF outward = dots[i] - middle;
        if (outward.isNull())
            outward = QPointF(1, -1); // up and to the right
        std::array<QRectF, 8> candidates;
        const std::array<QPointF, 8> directions = directionsFacing(outward);
        std::transform(directions.begin(), directions.end(), candidates.begin(),
                       [&](QPointF d) { return besideDot(dots[i], dotRadius, labels[i], d); });
        // What a place has against it, worst first: outside the area, over a
        // dot, over a number.
        const auto faults = [&](const QRectF &place) {
            return std::make_tuple(!area.contains(place), overlapsAny(place, dotBoxes), overlapsAny(place, places));
        };
        places.push_back(*std::min_element(candidates.begin(), candidates.end(),
                                           [&](const QRectF &a, const QRectF &b) { return faults(a) < faults(b); }));
    }
    return places;
}
