// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <vector>

// The contour of a convex set of points, found by a split and two sorts: the
// start vertex is the first point with the greatest Y (the lowest on the
// canvas). The points with X at most the start vertex's X go up the left side
// by decreasing Y, starting with the start vertex; the others come down the
// right side by increasing Y. Points of one side with equal Y keep their
// order. Returns the indices of the points in contour order.
//
// For points that are not convex, or whose sides the vertical through the
// start vertex does not separate, the path may cross itself.
std::vector<int> contourOrder(const std::vector<Point> &points);
