// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FanCover.h"

#include "IntegerVector.h"

#include <algorithm>
#include <optional>
#include <utility>
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

// The covered pixels of a row of a triangle run from its left side to its
// right one: `changes`, rows of width + 1, get 1 where they start and -1
// after they end, each side's share at the first whole X at or right of
// where it crosses the row, on the rows from its top end to its bottom one,
// that one left out. A triangle walked clockwise on the canvas (positive D)
// goes down its right side and up its left one; `weight` is the
// triangle's sign as its side is walked from `from` to `to`, and a side that
// two triangles share adds both weights, so that the diagonals inside a
// convex fan cancel out and cost nothing.
void addSide(std::vector<std::int32_t> &changes, int width, int height, IntegerVector from, IntegerVector to,
             int weight)
{
    if (weight == 0 || from.y == to.y)
        return;
    const int share = to.y > from.y ? -weight : weight;
    const auto [top, bottom] = from.y < to.y ? std::pair(from, to) : std::pair(to, from);
    const std::int64_t first = std::max<std::int64_t>(top.y, 0), end = std::min<std::int64_t>(bottom.y, height);
    if (first >= end)
        return;
    SideStepper side(top, bottom, first);
    for (std::int64_t row = first; row < end; ++row, side.step())
        changes[std::size_t(row) * (width + 1) + std::size_t(std::clamp<std::int64_t>(side.next(), 0, width))] += share;
}

int signOf(double value)
{
    return (value > 0) - (value < 0);
}

} // namespace

FanCover::FanCover(const Fan &fan, int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_counts(std::size_t(m_width) * m_height)
{
    std::vector<std::int32_t> changes(std::size_t(m_width + 1) * m_height);
    // Each triangle (A, B, C) walks A to B, B to C and C to A; the next one
    // of the fan walks A to its B, the last one's C, back.
    std::optional<IntegerVector> diagonalEnd; // from A
    int diagonalWeight = 0;
    IntegerVector apex;
    const auto addDiagonal = [&] {
        if (diagonalEnd)
            addSide(changes, m_width, m_height, apex, *diagonalEnd, diagonalWeight);
    };
    for (const FanTriangle &t : fan.triangles) {
        const auto a = wholeVector(t.A), b = wholeVector(t.B), c = wholeVector(t.C);
        if (!a || !b || !c)
            continue;
        const int sign = signOf(t.measures.determinant);
        if (diagonalEnd && *a == apex && *b == *diagonalEnd) {
            diagonalWeight += sign;
        } else {
            addDiagonal();
            diagonalWeight = sign;
        }
        apex = *a;
        diagonalEnd = *b;
        addDiagonal();
        addSide(changes, m_width, m_height, *b, *c, sign);
        diagonalEnd = *c;
        diagonalWeight = -sign; // C to A, as A to C
    }
    addDiagonal();
    constexpr std::int32_t Most = std::numeric_limits<std::uint8_t>::max();
    for (int y = 0; y < m_height; ++y) {
        std::int32_t count = 0;
        for (int x = 0; x < m_width; ++x) {
            count += changes[std::size_t(y) * (m_width + 1) + x];
            m_counts[std::size_t(y) * m_width + x] = std::uint8_t(std::min(count, Most));
        }
    }
}
