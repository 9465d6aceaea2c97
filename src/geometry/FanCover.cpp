// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FanCover.h"

#include "IntegerVector.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

std::int64_t floorDivision(std::int64_t a, std::int64_t b) // b > 0
{
    return a / b - (a % b < 0);
}

// Where a side crosses the rows from one to the next, as the first whole X
// at or right of the crossing: X = next - remainder / rise exactly, with
// 0 <= remainder < rise. Stepping a row costs no division.
class SideStepper
{
public:
    SideStepper(IntegerVector from, IntegerVector to, std::int64_t row) : m_rise(to.y - from.y)
    {
        const std::int64_t run = to.x - from.x;
        m_stepWhole = floorDivision(run, m_rise);
        m_stepRest = run - m_stepWhole * m_rise;
        const std::int64_t exact = from.x * m_rise + (row - from.y) * run; // X times the rise
        m_next = -floorDivision(-exact, m_rise);
        m_remainder = m_next * m_rise - exact;
    }

    std::int64_t next() const { return m_next; }
    void step()
    {
        m_next += m_stepWhole;
        m_remainder -= m_stepRest;
        if (m_remainder < 0) {
            m_remainder += m_rise;
            ++m_next;
        }
    }

private:
    std::int64_t m_rise;
    std::int64_t m_stepWhole;
    std::int64_t m_stepRest;
    std::int64_t m_next;
    std::int64_t m_remainder;
};

// Adds 1 from each row's first covered pixel and takes it away after its
// last, in `changes`, rows of width + 1. The rows are top-inclusive and
// bottom-exclusive, the pixels of a row left-inclusive and right-exclusive.
void addTriangle(std::vector<std::int32_t> &changes, int width, int height, std::array<IntegerVector, 3> corners)
{
    std::sort(corners.begin(), corners.end(), [](IntegerVector a, IntegerVector b) { return a.y < b.y; });
    const auto [top, middle, bottom] = corners;
    const std::int64_t first = std::max<std::int64_t>(top.y, 0), end = std::min<std::int64_t>(bottom.y, height);
    if (first >= end)
        return;
    SideStepper longSide(top, bottom, first);
    const bool upperHalf = first < middle.y;
    SideStepper shortSide = upperHalf ? SideStepper(top, middle, first) : SideStepper(middle, bottom, first);
    for (std::int64_t row = first; row < end; ++row) {
        if (row == middle.y && upperHalf)
            shortSide = SideStepper(middle, bottom, row);
        const std::int64_t left = std::min(longSide.next(), shortSide.next());
        const std::int64_t right = std::max(longSide.next(), shortSide.next());
        const std::int64_t from = std::clamp<std::int64_t>(left, 0, width), to = std::clamp<std::int64_t>(right, 0, width);
        if (from < to) {
            std::int32_t *changesOfRow = changes.data() + row * (width + 1);
            ++changesOfRow[from];
            --changesOfRow[to];
        }
        longSide.step();
        shortSide.step();
    }
}

} // namespace

FanCover::FanCover(const Fan &fan, int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_counts(std::size_t(m_width) * m_height)
{
    std::vector<std::int32_t> changes(std::size_t(m_width + 1) * m_height);
    for (const FanTriangle &t : fan.triangles) {
        const auto a = wholeVector(t.A), b = wholeVector(t.B), c = wholeVector(t.C);
        if (a && b && c)
            addTriangle(changes, m_width, m_height, {*a, *b, *c});
    }
    constexpr std::int32_t Most = std::numeric_limits<std::uint8_t>::max();
    for (int y = 0; y < m_height; ++y) {
        std::int32_t count = 0;
        for (int x = 0; x < m_width; ++x) {
            count += changes[std::size_t(y) * (m_width + 1) + x];
            m_counts[std::size_t(y) * m_width + x] = std::uint8_t(std::min(count, Most));
        }
    }
}
