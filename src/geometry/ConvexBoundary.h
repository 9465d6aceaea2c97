// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <optional>
#include <vector>

// Where points stand on the boundary of their convex hull, when every one of
// them stands on it: on a corner, on a side, or at the same place as another
// point. The places are numbered clockwise as seen on the canvas (Y grows
// downward), so a walk along the boundary goes up the left side and down
// the right side, as the contour is meant to.
//
// The decisions are exact: the program's coordinates are whole numbers of
// pixels, and cross products of whole numbers in 64-bit integers know no
// rounding.
struct ConvexBoundary {
    // The place of each point, from 0 to placeCount - 1.
    std::vector<int> placeOf;
    int placeCount = 0;
    // Every point once, in the order of their places; the points at one place
    // in the order they were given.
    std::vector<int> walk;
};

// The boundary of the points, or none when they are not in convex position:
// a point stands inside the hull, the hull has fewer than three corners, or
// a coordinate is not a whole number of sensible size.
std::optional<ConvexBoundary> convexBoundary(const std::vector<Point> &points);

// Whether the path through the points in `order` (every point once, the last
// followed by the first) meets the boundary's places in one sense only,
// clockwise or counter-clockwise, each place in one run of its points.
bool goesOnceRound(const std::vector<int> &order, const ConvexBoundary &boundary);
