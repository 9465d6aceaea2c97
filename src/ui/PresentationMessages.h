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
// Step 0: the vertices with their coordinates, as many as `room` lines hold
// in `columns` columns, the rest counted; and which way Y grows.
QStringList verticesStep(const std::vector<Point> &vertices, int room, int columns);
// Before a computation, below the vertices: how to get the steps.
QString notComputed();
// Triangle `index` of `count`: its vertices and their coordinates, its
// sides, its two areas and the sum of |D| up to it, `runningTotal`.
QStringList triangleStep(const FanTriangle &triangle, int index, int count, double runningTotal);
// The last step: the report's total line and its warning, if any.
QStringList totalStep(const Board &board);

} // namespace Messages
