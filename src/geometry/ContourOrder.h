// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <vector>

// The order of the points round the polygon, as indices of the points.
//
// The classroom's method, a split and two sorts, comes first: the start
// vertex is the first point with the greatest Y (the lowest on the canvas).
// The points with X at most the start vertex's X go up the left side by
// decreasing Y, starting with the start vertex; the others come down the
// right side by increasing Y. Points of one side with equal Y keep their
// order.
//
// For a convex polygon whose sides the vertical through the start vertex
// does not separate, or whose points with equal Y stand in the other order,
// that path crosses itself, and its area is wrong. So when the points are in
// convex position and the split and sort does not go once round the
// boundary, the order is the walk along the boundary instead: clockwise on
// the canvas from the start vertex, points on a side in their order along
// it, points at one place in their order. Any other result of the split and
// sort stands as it is, also for points that are not in convex position,
// for which the method is not meant.
std::vector<int> contourOrder(const std::vector<Point> &points);

// The split and sort alone.
std::vector<int> splitAndSortOrder(const std::vector<Point> &points);
