// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ContourProblem.h"

#include <QString>

#include <vector>

// The report's warning line for rows that are not a convex polygon taken
// once round: the vertices inside it, by number (the first ten, and how
// many more), or that the rows are out of order. CR LF ended; nothing when
// there is no problem.
QString contourWarning(const ContourProblem &problem);
// The inner vertices the warning names, by number.
std::vector<int> namedVertices(const ContourProblem &problem);
inline QString contourWarning(const std::vector<Point> &points)
{
    return contourWarning(contourProblem(points));
}
