// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConvexBoundary.h"

#include "IntegerVector.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <utility>

namespace {

// Three times a point strictly inside the hull: the sum of three points not
// on one line, the centre of their triangle. None when all points are on one
// line, and the hull has fewer than three corners.
std::optional<IntegerVector> thriceAnInnerPoint(const std::vector<IntegerVector> &v)
{
    const auto second = std::find_if(v.begin(), v.end(), [&](IntegerVector p) { return p != v.front(); });
    if (second == v.end())
        return std::nullopt;
    const auto third = std::find_if(second, v.end(), [&](IntegerVector p) {
        return sideOf(v.front(), *second, p) != 0;
    });
    if (third == v.end())
        return std::nullopt;
    return v.front() + *second + *third;
}

// Whether a point stands strictly inside the hull of the extreme points:
// the farthest along X, Y, X + Y and X - Y, each way. Inside their hull is
// inside the hull of all, so such a board is not in convex position: a
// board full of inner points is known at once, without sorting its points.
bool anyInsideExtremes(const std::vector<IntegerVector> &v)
{
    // From +X clockwise on the canvas, 45 degrees apart.
    constexpr IntegerVector Directions[] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    constexpr int Count = int(std::size(Directions));
    if (v.empty())
        return false;
    // The point farthest along each direction, and of those the farthest
    // along the next: a corner of the hull, met clockwise in turn.
    std::vector<IntegerVector> corners;
    for (int i = 0; i < Count; ++i) {
        const IntegerVector d = Directions[i], next = Directions[(i + 1) % Count];
        const IntegerVector corner = *std::max_element(v.begin(), v.end(), [&](IntegerVector p, IntegerVector q) {
            return std::pair(dot(d, p), dot(next, p)) < std::pair(dot(d, q), dot(next, q));
        });
        if (corners.empty() || (corner != corners.back() && corner != corners.front()))
            corners.push_back(corner);
    }
    if (corners.size() < 3)
        return false;
    return std::any_of(v.begin(), v.end(), [&](IntegerVector p) {
        for (size_t i = 0; i < corners.size(); ++i)
            if (sideOf(corners[i], corners[(i + 1) % corners.size()], p) <= 0)
                return false; // on a side, or beyond it
        return true;
    });
}

// Whether direction a comes before direction b, turning clockwise from +X.
bool turnsEarlier(IntegerVector a, IntegerVector b)
{
    return halfOf(a) != halfOf(b) ? halfOf(a) < halfOf(b) : cross(a, b) > 0;
}

} // namespace

// Seen from a point strictly inside the hull, each place of the boundary
// lies in a direction of its own, and the boundary meets the directions in
// turn. So the points, sorted by direction, are in the order of a walk along
// the boundary, and they all stand on it exactly when no two places share a
// direction and the walk never turns back the other way.
std::optional<ConvexBoundary> convexBoundary(const std::vector<Point> &points)
{
    const std::optional<std::vector<IntegerVector>> whole = wholeVectors(points);
    if (!whole)
        return std::nullopt;
    const std::vector<IntegerVector> &v = *whole;
    if (anyInsideExtremes(v))
        return std::nullopt;
    const std::optional<IntegerVector> centre = thriceAnInnerPoint(v);
    if (!centre)
        return std::nullopt;
    std::vector<IntegerVector> direction(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        direction[i] = IntegerVector{3 * v[i].x, 3 * v[i].y} - *centre;
        if (direction[i] == IntegerVector{})
            return std::nullopt; // the centre itself is inside
    }

    ConvexBoundary boundary;
    boundary.walk.resize(v.size());
    std::iota(boundary.walk.begin(), boundary.walk.end(), 0);
    std::sort(boundary.walk.begin(), boundary.walk.end(), [&](int a, int b) {
        if (turnsEarlier(direction[a], direction[b]))
            return true;
        return !turnsEarlier(direction[b], direction[a]) && a < b;
    });

    std::vector<IntegerVector> places;
    boundary.placeOf.resize(v.size());
    for (size_t k = 0; k < boundary.walk.size(); ++k) {
        const int point = boundary.walk[k];
        if (places.empty() || v[point] != places.back()) {
            const bool sameDirection = !places.empty() && !turnsEarlier(direction[boundary.walk[k - 1]], direction[point]);
            if (sameDirection)
                return std::nullopt; // the nearer of the two is inside
            places.push_back(v[point]);
        }
        boundary.placeOf[point] = int(places.size()) - 1;
    }
    boundary.placeCount = int(places.size());
    for (size_t i = 0; i < places.size(); ++i) {
        const IntegerVector a = places[i], b = places[(i + 1) % places.size()], c = places[(i + 2) % places.size()];
        if (cross(b - a, c - b) < 0)
            return std::nullopt; // a turn the other way: b is inside
    }
    return boundary;
}

bool goesOnceRound(const std::vector<int> &order, const ConvexBoundary &boundary)
{
    const int places = boundary.placeCount;
    int forward = 0, backward = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        const int from = boundary.placeOf[order[i]];
        const int to = boundary.placeOf[order[(i + 1) % order.size()]];
        const int step = (to - from + places) % places;
        if (step == 1)
            ++forward;
        else if (step == places - 1)
            ++backward;
        else if (step != 0)
            return false;
    }
    return (forward == places && backward == 0) || (backward == places && forward == 0);
}
