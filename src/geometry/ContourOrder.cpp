// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContourOrder.h"

#include "ConvexBoundary.h"

#include <algorithm>

namespace {

// The first point with the greatest Y.
int lowestOnCanvas(const std::vector<Point> &points)
{
    int start = 0;
    for (int i = 1; i < int(points.size()); ++i)
        if (points[i].y > points[start].y)
            start = i;
    return start;
}

} // namespace

std::vector<int> splitAndSortOrder(const std::vector<Point> &points)
{
    if (points.empty())
        return {};
    const double startX = points[lowestOnCanvas(points)].x;
    std::vector<int> order(points.size());
    for (int i = 0; i < int(points.size()); ++i)
        order[i] = i;
    // Left side first, each side in its own direction; stable, so ties keep
    // their order.
    const auto leftSide = [&](int i) { return points[i].x <= startX; };
    const auto rightBegin = std::stable_partition(order.begin(), order.end(), leftSide);
    std::stable_sort(order.begin(), rightBegin, [&](int a, int b) { return points[a].y > points[b].y; });
    std::stable_sort(rightBegin, order.end(), [&](int a, int b) { return points[a].y < points[b].y; });
    return order;
}

std::vector<int> contourOrder(const std::vector<Point> &points)
{
    std::vector<int> order = splitAndSortOrder(points);
    const std::optional<ConvexBoundary> boundary = convexBoundary(points);
    if (!boundary || goesOnceRound(order, *boundary))
        return order;
    // The walk from the start vertex, which the split and sort puts first
    // and which comes first of the points at its place.
    std::vector<int> walk = boundary->walk;
    std::rotate(walk.begin(), std::find(walk.begin(), walk.end(), order.front()), walk.end());
    return walk;
}
