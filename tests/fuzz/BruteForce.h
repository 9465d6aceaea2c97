// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The geometry's decisions the slow and obvious way, for the fuzz targets to
// hold the program's fast ones against: a few points of a small grid.

#include "Point.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct Spot {
    std::int64_t x, y;
    bool operator==(Spot o) const { return x == o.x && y == o.y; }
};

// The fuzzer's bytes as points: each byte after the first a point of a
// 16 x 16 grid, spread by a scale that the first byte picks.
inline std::vector<Spot> spotsOf(const unsigned char *data, size_t size)
{
    const std::int64_t scale[] = {1, 3, 1 << 20, (1 << 24) + 1};
    std::vector<Spot> spots;
    for (size_t i = 1; i < size; ++i)
        spots.push_back({(data[i] & 15) * scale[data[0] & 3], (data[i] >> 4) * scale[data[0] & 3]});
    return spots;
}

// The same points as the program takes them.
inline std::vector<Point> pointsOf(const std::vector<Spot> &spots)
{
    std::vector<Point> points;
    for (Spot s : spots)
        points.push_back({double(s.x), double(s.y)});
    return points;
}

// Which side of the line from a to b the point p lies on: > 0 clockwise on
// the canvas (Y down), 0 on the line.
inline std::int64_t sideOf(Spot a, Spot b, Spot p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); }

// Whether the points lie on a line of their own with no point beyond its
// `sense` side (1 or -1, 0 either): the line from a to b supports them all.
inline bool supports(const std::vector<Spot> &s, Spot a, Spot b, int sense = 0)
{
    bool clockwise = false, counter = false;
    for (Spot p : s)
        (sideOf(a, b, p) > 0 ? clockwise : counter) |= sideOf(a, b, p) != 0;
    return !(clockwise && counter) && !(sense > 0 && counter) && !(sense < 0 && clockwise);
}

// Whether the hull of the points has three corners or more: they are not
// all on one line.
inline bool hasArea(const std::vector<Spot> &s)
{
    for (Spot q : s)
        for (Spot p : s)
            if (sideOf(s.front(), q, p) != 0)
                return true;
    return false;
}

// Whether p, one of the points, lies on the hull's boundary: some line
// through it and another place has every point on one side.
inline bool onBoundary(const std::vector<Spot> &s, Spot p)
{
    for (Spot q : s)
        if (!(q == p) && supports(s, p, q))
            return true;
    return false;
}

// Whether the points, in this order, go once round their hull in one sense:
// the runs of one place taken as one, each place once, and every side a
// side of the hull with all points on the same side of it.
inline bool goesOnceRound(const std::vector<Spot> &s, int sense = 0)
{
    std::vector<Spot> places;
    for (Spot p : s)
        if (places.empty() || !(places.back() == p))
            places.push_back(p);
    while (places.size() > 1 && places.back() == places.front())
        places.pop_back();
    for (std::size_t i = 0; i < places.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (places[i] == places[j])
                return false;
    if (places.size() < 3 || !hasArea(places))
        return false;
    const int turn = sense != 0 ? sense : supports(s, places[0], places[1], 1) ? 1 : -1;
    for (std::size_t i = 0; i < places.size(); ++i)
        if (!supports(s, places[i], places[(i + 1) % places.size()], turn))
            return false;
    return true;
}
