// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fan.h"

#include <cstdint>
#include <vector>

// How many of a fan's triangles cover each pixel of an area from (0, 0),
// for showing where they overlap: the report adds every triangle's |D|, so
// a pixel covered twice is counted twice in its total.
//
// A pixel is covered when its middle, where a vertex's dot is centred, lies
// inside the triangle, or on a side that is its left or top one: two
// triangles that share a side never both cover a pixel on it, so a convex
// polygon's fan covers each of its pixels once.
class FanCover
{
public:
    FanCover() = default;
    FanCover(const Fan &fan, int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // At most 255; 0 outside the area.
    int countAt(int x, int y) const
    {
        return x < 0 || y < 0 || x >= m_width || y >= m_height ? 0 : m_counts[std::size_t(y) * m_width + x];
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_counts; // row by row
};
