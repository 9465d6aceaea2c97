// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <vector>

class Canvas;
struct Fan;

// How the board's figure looks on the canvas, in one place: vertices as
// thick black dots, the selected vertex in red, the polygon's sides solid and
// the fan's inner diagonals white with dash patterns, so that on the white
// canvas the figure is the outline with its dots.
class FigurePainter
{
public:
    explicit FigurePainter(Canvas &canvas) : m_canvas(canvas) {}

    void drawVertex(Point vertex);
    // Every vertex, and the one of row `marked`, if any, in red over it.
    void drawVertices(const std::vector<Point> &vertices, int marked = -1);
    // The fan's sides and diagonals in the order of its triangles, then the
    // closing side.
    void drawFan(const Fan &fan);

private:
    Canvas &m_canvas;
};
