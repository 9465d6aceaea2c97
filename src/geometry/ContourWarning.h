// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QString>

#include <vector>

// Whether the rows, in their order, are the vertices of a convex polygon
// taken once round; when they are not, the report's total is not the area
// of any convex polygon, and the report says why in one more line.
//
// Decided exactly, in integers, for whole coordinates: a vertex strictly
// inside the hull of all of them is named; when every vertex stands on the
// hull's boundary (on a corner or a side, repeated or not) but the rows do
// not go once round it, that is said instead. A hull of fewer than three
// corners, and any board whose rows go once round their convex hull, have
// nothing to say.
struct ContourProblem {
    std::vector<int> innerVertices; // their numbers, from 1, increasing
    bool outOfOrder = false;

    bool isEmpty() const { return innerVertices.empty() && !outOfOrder; }
};

ContourProblem contourProblem(const std::vector<Point> &points);

// The report's warning line, CR LF ended, or nothing when there is no problem.
QString contourWarning(const ContourProblem &problem);
inline QString contourWarning(const std::vector<Point> &points)
{
    return contourWarning(contourProblem(points));
}
