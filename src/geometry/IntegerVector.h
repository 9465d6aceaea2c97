// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

// A point or a direction in whole pixels, for the decisions that must be
// exact: which way a path turns, which side of a line a point lies on. The
// program's coordinates are whole numbers of pixels, and products of whole
// numbers in 64-bit integers know no rounding.
struct IntegerVector {
    std::int64_t x = 0;
    std::int64_t y = 0;

    friend IntegerVector operator+(IntegerVector a, IntegerVector b) { return {a.x + b.x, a.y + b.y}; }
    friend IntegerVector operator-(IntegerVector a, IntegerVector b) { return {a.x - b.x, a.y - b.y}; }
    friend bool operator==(IntegerVector a, IntegerVector b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(IntegerVector a, IntegerVector b) { return !(a == b); }
    // By X, then by Y.
    friend bool operator<(IntegerVector a, IntegerVector b) { return a.x != b.x ? a.x < b.x : a.y < b.y; }
};

// The largest coordinate taken, far beyond any canvas. The decisions work
// with sums of three points and differences of those, each coordinate at
// most 6 * 2^28 = 1.5 * 2^30; their cross products, at most 4.5 * 2^60,
// stay within 64 bits.
constexpr double LargestWholeCoordinate = 1 << 28;

// Positive when b lies clockwise of a as seen on the canvas (Y grows
// downward), negative counter-clockwise, 0 when they lie on one line.
inline std::int64_t cross(IntegerVector a, IntegerVector b)
{
    return a.x * b.y - a.y * b.x;
}

inline std::int64_t dot(IntegerVector a, IntegerVector b)
{
    return a.x * b.x + a.y * b.y;
}

// Where p lies from the line from `from` to `to`: as cross(), positive on
// the clockwise side, 0 on the line.
inline std::int64_t sideOf(IntegerVector from, IntegerVector to, IntegerVector p)
{
    return cross(to - from, p - from);
}

// 0 for directions from +X clockwise up to, not including, -X; 1 for the
// rest: a direction's half turn, for sorting directions round.
inline int halfOf(IntegerVector d)
{
    return d.y > 0 || (d.y == 0 && d.x > 0) ? 0 : 1;
}

// Whether p lies in the triangle (a, b, c), its sides and corners included,
// whichever way round the triangle goes.
inline bool inTriangle(IntegerVector a, IntegerVector b, IntegerVector c, IntegerVector p)
{
    const std::int64_t ab = sideOf(a, b, p), bc = sideOf(b, c, p), ca = sideOf(c, a, p);
    return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
}

// The point in whole pixels; none when a coordinate is not a whole number
// of at most LargestWholeCoordinate.
inline std::optional<IntegerVector> wholeVector(Point p)
{
    const auto isWhole = [](double v) { return std::abs(v) <= LargestWholeCoordinate && std::trunc(v) == v; };
    if (!isWhole(p.x) || !isWhole(p.y))
        return std::nullopt;
    return IntegerVector{std::int64_t(p.x), std::int64_t(p.y)};
}

// Every point in whole pixels, or none when one of them is not.
std::optional<std::vector<IntegerVector>> wholeVectors(const std::vector<Point> &points);
