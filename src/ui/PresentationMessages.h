// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QString>
#include <QStringList>

#include <vector>

class Board;
struct FanTriangle;

namespace Messages {

// The presentation view: its caption, the keys it takes, and the text of
// each of its steps, line by line, the numbers in the report's forms.
QString presentationCaption();
QString presentationKeys();
// A number being typed, to go to that triangle by Enter.
QString typedTriangle(const QString &typed);
// Step 0: the vertices with their coordinates, as many as `room` lines hold
// in `columns` columns, the rest counted; and which way Y grows. A line of
// the list holds its cells apart by tabs, down the columns in the
// vertices' order.
QStringList verticesStep(const std::vector<Point> &vertices, int room, int columns);
// How many of `count` vertices step 0 lists in `cells` cells: all, or all
// but the last cell's, which counts the rest.
int listedVertices(int count, int cells);
// The cell that counts the vertices not listed.
QString moreVertices(int count);
// Before a computation, below the vertices: how to get the steps.
QString notComputed();
// Triangle `index` of `count`: its vertices and their coordinates, its
// sides, its two areas and the sum of |D| up to it, `runningTotal`. The
// lengths and Heron's area with three decimals, "≈" where that rounds them.
QStringList triangleStep(const FanTriangle &triangle, int index, int count, double runningTotal);
// The last step: the report's total line; on a board the report warns
// about, the sum of |D| as a sum, the warning under it.
QStringList totalStep(const Board &board);

} // namespace Messages
