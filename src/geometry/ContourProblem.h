// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <vector>

// Whether the rows, in their order, are the vertices of a convex polygon
// taken once round; when they are not, the sum of the fan's areas is not the
// area of any convex polygon, and the report's warning says why.
//
// Decided exactly, in integers, for whole coordinates: the vertices strictly
// inside the hull of all of them are the problem; when every vertex stands
// on the hull's boundary (on a corner or a side, repeated or not) but the
// rows do not go once round it, their order is. A hull of fewer than three
// corners, and any board whose rows go once round their convex hull, have
// no problem.
struct ContourProblem {
    std::vector<int> innerVertices; // their numbers, from 1, increasing
    bool outOfOrder = false;

    bool isEmpty() const { return innerVertices.empty() && !outOfOrder; }
};

ContourProblem contourProblem(const std::vector<Point> &points);
