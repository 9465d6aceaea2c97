// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawnFigure.h"
#include "Picture.h"
#include "Point.h"

#include <vector>

struct Fan;

// How the board's figure looks, in one place: vertices as thick black dots,
// the selected vertex in red, the polygon's sides solid and the fan's inner
// diagonals white with dash patterns, so that on the white picture the
// figure is the outline with its dots. Each call returns what it changed.
//
// A painter of a part of the picture draws there alone, every pixel as the
// whole picture's drawing leaves it: where a vertex moved, the figure is
// drawn again around it, not whole.
class FigurePainter
{
public:
    // A vertex's dot is this many pixels across, centred on the vertex's
    // pixel: the middle of the dot of vertex (x, y) is (x + 0.5, y + 0.5).
    static constexpr int DotWidth = 5;

    explicit FigurePainter(Picture &picture) : m_picture(picture), m_within(picture.area()) {}
    FigurePainter(Picture &picture, const QRect &part) : m_picture(picture), m_within(part & picture.area()) {}

    // The pixels of the fan's figure that change when vertex `row` of
    // `vertices` moves there from `from`: its dot and the lines that end at
    // it, where they were and where they are.
    static QRect reachOfMove(const std::vector<Point> &vertices, int row, Point from);
    // The row whose dot is nearest `pixel`, as long as the pixel is on it or
    // `margin` pixels off it; of dots as near, the one drawn over the
    // others. -1 for none.
    static int dotAt(const std::vector<Point> &vertices, QPoint pixel, int margin);

    // Every vertex, and the one of row `marked`, if any, in red over it.
    QRect drawVertices(const std::vector<Point> &vertices, int marked = -1)
    {
        return drawVertices(vertices.data(), qsizetype(vertices.size()), marked);
    }
    // The same for `count` vertices from `first` on, where they stand.
    QRect drawVertices(const Point *first, qsizetype count, int marked = -1);
    // The fan's sides and diagonals in the order of its triangles, then the
    // closing side.
    QRect drawFan(const Fan &fan);
    // The whole picture (or the part, and at a zoom a pixel round it)
    // afresh: cleared, the figure's base from its first rows, a dot for
    // every row after them.
    QRect drawFigure(const DrawnFigure &figure, const std::vector<Point> &vertices)
    {
        return drawFigure(figure, vertices, linesOf(figure, vertices, m_picture.size()));
    }
    // The same with the figure's lines drawn before by linesOf at this
    // picture's size: a canvas that keeps them draws its figure at another
    // zoom without drawing a line again.
    QRect drawFigure(const DrawnFigure &figure, const std::vector<Point> &vertices, const Picture &lines);
    // The figure's lines alone, at one device pixel a pixel, on white paper
    // of `size`: a picture without pixels where the figure has no lines.
    static Picture linesOf(const DrawnFigure &figure, const std::vector<Point> &vertices, QSize size);

private:
    Picture &m_picture;
    QRect m_within;
};
