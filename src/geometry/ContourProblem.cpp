// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContourProblem.h"

#include "ConvexBoundary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>

namespace {

// As the boundary's walk takes them: whole coordinates up to 2^28 keep the
// cross products below in range.
constexpr double LargestCoordinate = 1 << 28;

struct Vector {
    std::int64_t x = 0;
    std::int64_t y = 0;

    friend Vector operator-(Vector a, Vector b) { return {a.x - b.x, a.y - b.y}; }
    friend bool operator<(Vector a, Vector b) { return a.x != b.x ? a.x < b.x : a.y < b.y; }
    friend bool operator==(Vector a, Vector b) { return a.x == b.x && a.y == b.y; }
};

std::int64_t cross(Vector a, Vector b)
{
    return a.x * b.y - a.y * b.x;
}

std::optional<std::vector<Vector>> wholeVectors(const std::vector<Point> &points)
{
    std::vector<Vector> vectors;
    vectors.reserve(points.size());
    for (Point p : points) {
        if (!(std::abs(p.x) <= LargestCoordinate && std::abs(p.y) <= LargestCoordinate) || std::trunc(p.x) != p.x
            || std::trunc(p.y) != p.y)
            return std::nullopt;
        vectors.push_back({std::int64_t(p.x), std::int64_t(p.y)});
    }
    return vectors;
}

// The corners of the hull, each turn a strict one (Andrew's monotone chain).
std::vector<Vector> hullCorners(std::vector<Vector> points)
{
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    std::vector<Vector> hull(2 * points.size());
    size_t k = 0;
    const auto addTo = [&](size_t floor, Vector p) {
        while (k >= floor + 2 && cross(hull[k - 1] - hull[k - 2], p - hull[k - 2]) <= 0)
            --k;
        hull[k++] = p;
    };
    for (Vector p : points)
        addTo(0, p);
    const size_t lower = k - 1;
    for (auto p = points.rbegin() + 1; p != points.rend(); ++p)
        addTo(lower, *p);
    hull.resize(k - 1); // the first corner came round again
    return hull;
}

std::int64_t dot(Vector a, Vector b)
{
    return a.x * b.x + a.y * b.y;
}

// 0 for directions from +X up to, not including, -X one way round; 1 for
// the rest.
int halfOf(Vector d)
{
    return d.y > 0 || (d.y == 0 && d.x > 0) ? 0 : 1;
}

// The quick answer for the rows of a contour: whether, read round, they turn
// one way only (going straight on along a side, never back) and round once.
// Then every row stands on the boundary of their hull, in its order.
bool turnsOnceRound(const std::vector<Vector> &rows)
{
    std::vector<Vector> sides;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Vector side = rows[(i + 1) % rows.size()] - rows[i];
        if (side.x != 0 || side.y != 0)
            sides.push_back(side);
    }
    if (sides.size() < 3)
        return false;
    int sense = 0, halfChanges = 0;
    for (size_t i = 0; i < sides.size(); ++i) {
        const Vector a = sides[i], b = sides[(i + 1) % sides.size()];
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
bool strictlyInside(const std::vector<Vector> &hull, Vector q)
{
    const Vector from = q - hull[0];
    if (cross(hull[1] - hull[0], from) <= 0 || cross(hull.back() - hull[0], from) >= 0)
        return false; // on a side at the first corner
    size_t low = 1, high = hull.size() - 1;
    while (high - low > 1) {
        const size_t middle = (low + high) / 2;
        (cross(hull[middle] - hull[0], from) > 0 ? low : high) = middle;
    }
    return cross(hull[high] - hull[low], q - hull[low]) > 0;
}

} // namespace

ContourProblem contourProblem(const std::vector<Point> &points)
{
    const std::optional<std::vector<Vector>> vectors = wholeVectors(points);
    if (!vectors || points.size() < 3 || turnsOnceRound(*vectors))
        return {};
    const std::vector<Vector> hull = hullCorners(*vectors);
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
