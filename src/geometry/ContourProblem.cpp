// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContourProblem.h"

#include "ConvexBoundary.h"
#include "IntegerVector.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

namespace {

// The corners of the hull, each turn a strict one (Andrew's monotone chain).
std::vector<IntegerVector> hullCorners(std::vector<IntegerVector> points)
{
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    std::vector<IntegerVector> hull(2 * points.size());
    size_t k = 0;
    const auto addTo = [&](size_t floor, IntegerVector p) {
        while (k >= floor + 2 && sideOf(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    };
    for (IntegerVector p : points)
        addTo(0, p);
    const size_t lower = k - 1;
    for (auto p = points.rbegin() + 1; p != points.rend(); ++p)
        addTo(lower, *p);
    hull.resize(k - 1); // the first corner came round again
    return hull;
}

// The quick answer for the rows of a contour: whether, read round, they turn
// one way only (going straight on along a side, never back) and round once.
// Then every row stands on the boundary of their hull, in its order.
bool turnsOnceRound(const std::vector<IntegerVector> &rows)
{
    std::vector<IntegerVector> sides;
    for (size_t i = 0; i < rows.size(); ++i) {
        const IntegerVector side = rows[(i + 1) % rows.size()] - rows[i];
        if (side.x != 0 || side.y != 0)
            sides.push_back(side);
    }
    if (sides.size() < 3)
        return false;
    int sense = 0, halfChanges = 0;
    for (size_t i = 0; i < sides.size(); ++i) {
        const IntegerVector a = sides[i], b = sides[(i + 1) % sides.size()];
        const std::int64_t turn = cross(a, b);
        if (turn == 0 ? dot(a, b) < 0 : (sense != 0 && (turn > 0) != (sense > 0)))
            return false; // back along a side, or a turn the other way
        if (turn != 0)
            sense = turn > 0 ? 1 : -1;
        halfChanges += halfOf(a) != halfOf(b);
    }
    return sense != 0 && halfChanges == 2;
}

// Whether q, a point of the hull's own set, lies strictly inside it: not on
// a corner or a side. The hull turns one way, at least three corners.
bool strictlyInside(const std::vector<IntegerVector> &hull, IntegerVector q)
{
    if (sideOf(hull[0], hull[1], q) <= 0 || sideOf(hull[0], hull.back(), q) >= 0)
        return false; // on a side at the first corner
    size_t low = 1, high = hull.size() - 1;
    while (high - low > 1) {
        const size_t middle = (low + high) / 2;
        (sideOf(hull[0], hull[middle], q) > 0 ? low : high) = middle;
    }
    return sideOf(hull[low], hull[high], q) > 0;
}

} // namespace

ContourProblem contourProblem(const std::vector<Point> &points)
{
    const std::optional<std::vector<IntegerVector>> vectors = wholeVectors(points);
    if (!vectors || points.size() < 3 || turnsOnceRound(*vectors))
        return {};
    const std::vector<IntegerVector> hull = hullCorners(*vectors);
    if (hull.size() < 3)
        return {};
    ContourProblem problem;
    for (size_t i = 0; i < vectors->size(); ++i)
        if (strictlyInside(hull, (*vectors)[i]))
            problem.innerVertices.push_back(int(i) + 1);
    if (!problem.innerVertices.empty())
        return problem;
    // Every vertex on the boundary: the rows must go once round it.
    std::vector<int> rows(points.size());
    std::iota(rows.begin(), rows.end(), 0);
    const std::optional<ConvexBoundary> boundary = convexBoundary(points);
    problem.outOfOrder = boundary && !goesOnceRound(rows, *boundary);
    return problem;
}
