// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QString>

#include <vector>

// The pupil's exercise on the polygon of these vertices: what to work out,
// and under it the report's warning when the vertices in their order are
// not a convex polygon taken once round; the vertices' coordinates, five to
// a line; for each triangle of the fan from vertex 1 its vertices with
// blanks for its sides, and a line of blanks for Heron's S and |D|, as the
// answers give them; then a blank for the polygon's area. No length or area
// is in it.
QString pupilsExercise(const std::vector<Point> &vertices);
