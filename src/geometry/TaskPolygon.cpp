// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskPolygon.h"

#include "ContourOrder.h"
#include "HeronByHand.h"
#include "IntegerVector.h"

#include <algorithm>
#include <cmath>

namespace Task {

namespace {

constexpr int MostAttempts = 10000;

// SplitMix64 (Steele, Lea and Flood): a 64-bit state and a few whole-number
// steps, the same on every compiler and library.
class SplitMix64
{
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from `low` to `high`, both included.
    int between(int low, int high) { return low + int(next() % std::uint64_t(high - low + 1)); }
    bool coin() { return next() >> 63; }

private:
    std::uint64_t m_state;
};

// `count` different whole numbers from 0 to `extent`, both ends among them,
// in increasing order.
std::vector<std::int64_t> spreadValues(SplitMix64 &random, int count, int extent)
{
    std::vector<std::int64_t> values{0, extent};
    while (int(values.size()) < count) {
        const int value = random.between(1, extent - 1);
        if (std::find(values.begin(), values.end(), value) == values.end())
            values.push_back(value);
    }
    std::sort(values.begin(), values.end());
    return values;
}

// The steps of two chains from the smallest value to the largest, each
// value between them on one chain or the other at random: the steps add up
// to nothing, and their lengths in one direction to the extent.
std::vector<std::int64_t> chainSteps(SplitMix64 &random, const std::vector<std::int64_t> &values)
{
    std::vector<std::int64_t> steps;
    std::int64_t up = values.front(), down = values.front();
    for (size_t i = 1; i + 1 < values.size(); ++i) {
        if (random.coin()) {
            steps.push_back(values[i] - up);
            up = values[i];
        } else {
            steps.push_back(down - values[i]);
            down = values[i];
        }
    }
    steps.push_back(values.back() - up);
    steps.push_back(down - values.back());
    return steps;
}

// A random convex polygon in grid units, by Valtr's method: the steps of X
// and of Y paired at random, sorted by direction and laid end to end. Its
// extents are `width` and `height` exactly; placed with its least X and Y
// at 0.
std::vector<IntegerVector> convexPolygon(SplitMix64 &random, int count, int width, int height)
{
    const std::vector<std::int64_t> xs = chainSteps(random, spreadValues(random, count, width));
    std::vector<std::int64_t> ys = chainSteps(random, spreadValues(random, count, height));
    for (int i = count - 1; i > 0; --i)
        std::swap(ys[size_t(i)], ys[size_t(random.between(0, i))]);
    std::vector<IntegerVector> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back({xs[size_t(i)], ys[size_t(i)]});
    std::sort(steps.begin(), steps.end(), [](IntegerVector a, IntegerVector b) {
        return halfOf(a) != halfOf(b) ? halfOf(a) < halfOf(b) : cross(a, b) > 0;
    });
    std::vector<IntegerVector> corners;
    IntegerVector at;
    IntegerVector least;
    for (IntegerVector step : steps) {
        corners.push_back(at);
        least = {std::min(least.x, at.x), std::min(least.y, at.y)};
        at = at + step;
    }
    for (IntegerVector &corner : corners)
        corner = corner - least;
    return corners;
}

// Twice the area of the triangle, without its sign.
std::int64_t doubleArea(IntegerVector a, IntegerVector b, IntegerVector c)
{
    const std::int64_t d = sideOf(a, b, c);
    return d < 0 ? -d : d;
}

// The length between two corners: the root of a whole number, which IEEE
// arithmetic rounds alike everywhere.
double lengthOf(IntegerVector from, IntegerVector to)
{
    const IntegerVector d = to - from;
    return std::sqrt(double(dot(d, d)));
}

// Whether Heron's formula worked by hand on the triangle's three-decimal
// sides gives its area within the share a pupil is promised.
bool computableByHand(IntegerVector A, IntegerVector B, IntegerVector C, std::int64_t doubled)
{
    return HeronByHand::computableByHand(lengthOf(B, C), lengthOf(A, C), lengthOf(A, B), double(doubled) / 2);
}

// Whether the polygon, in contour order and in pixels, is a task: no three
// vertices on a line, none too close to another, no small triangle in the
// fan from vertex 1 and none that Heron's formula on rounded sides gets
// wrong, and no sliver: at least a third of the rectangle round it, `box`
// square pixels.
bool isTask(const std::vector<IntegerVector> &corners, std::int64_t box)
{
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) {
            const IntegerVector d = corners[j] - corners[i];
            if (dot(d, d) < std::int64_t(Spacing) * Spacing)
                return false;
            for (size_t k = j + 1; k < n; ++k)
                if (sideOf(corners[i], corners[j], corners[k]) == 0)
                    return false;
        }
    std::int64_t doubled = 0;
    for (size_t k = 2; k < n; ++k) {
        const std::int64_t triangle = doubleArea(corners[0], corners[k - 1], corners[k]);
        if (triangle < 2 * std::int64_t(SmallestTriangle)
            || !computableByHand(corners[0], corners[k - 1], corners[k], triangle))
            return false;
        doubled += triangle;
    }
    return 3 * doubled >= 2 * box;
}

} // namespace

int vertexCount(int variant)
{
    return FewestVertices + std::clamp(variant, FirstVariant, LastVariant) % 8;
}

int variantWith(int count, std::uint64_t anyNumber)
{
    const int remainder = std::clamp(count, FewestVertices, MostVertices) - FewestVertices;
    const int first = remainder == 0 ? 1 : 0;     // 0 is no variant
    const int last = (LastVariant - remainder) / 8;
    return 8 * (first + int(anyNumber % std::uint64_t(last - first + 1))) + remainder;
}

std::vector<Point> polygon(int variant, int width, int height)
{
    variant = std::clamp(variant, FirstVariant, LastVariant);
    const int count = vertexCount(variant);
    // The grid's places inside the margins.
    const int columns = (width - 1 - Margin) / Grid - (Margin + Grid - 1) / Grid;
    const int rows = (height - 1 - Margin) / Grid - (Margin + Grid - 1) / Grid;
    const IntegerVector origin{(Margin + Grid - 1) / Grid, (Margin + Grid - 1) / Grid};
    std::vector<Point> points;
    if (columns < count || rows < count)
        return points; // no canvas of this program
    SplitMix64 random{std::uint64_t(variant)};
    for (int attempt = 0; attempt < MostAttempts; ++attempt) {
        // Between three fifths of the room and all of it, so that the polygon
        // fills much of the canvas, placed anywhere in the room left.
        const int wide = random.between(std::max(count, columns * 3 / 5), columns);
        const int high = random.between(std::max(count, rows * 3 / 5), rows);
        const IntegerVector shift{origin.x + random.between(0, columns - wide), origin.y + random.between(0, rows - high)};
        std::vector<IntegerVector> corners = convexPolygon(random, count, wide, high);
        points.clear();
        for (IntegerVector corner : corners)
            points.push_back({double((corner.x + shift.x) * Grid), double((corner.y + shift.y) * Grid)});
        const std::vector<int> order = contourOrder(points);
        std::vector<Point> ordered;
        std::vector<IntegerVector> pixels;
        for (int i : order) {
            ordered.push_back(points[size_t(i)]);
            pixels.push_back({std::int64_t(ordered.back().x), std::int64_t(ordered.back().y)});
        }
        points = std::move(ordered);
        if (isTask(pixels, std::int64_t(wide) * high * Grid * Grid))
            break;
    }
    return points;
}

} // namespace Task
