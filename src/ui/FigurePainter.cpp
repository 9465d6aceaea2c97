// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigurePainter.h"

#include "Canvas.h"
#include "Fan.h"

#include <QColor>

namespace {

constexpr int DotWidth = 5;
constexpr int LineWidth = 1;
const QColor Ink = Qt::black;
const QColor Mark = Qt::red;
const QColor Paper = Qt::white;

// Drawing is in single precision.
QPointF pixel(Point p)
{
    return QPointF(float(p.x), float(p.y));
}

void drawSide(Canvas &canvas, Point from, Point to)
{
    canvas.drawLine(pixel(from), pixel(to), LineWidth, Canvas::LineStyle::Solid, Ink);
}

// The diagonals to vertices 3, 4, 5, ... are dashed, dotted, dash-dotted,
// dashed, ... in turn.
Canvas::LineStyle diagonalStyle(int k)
{
    switch (k % 3) {
    case 0: return Canvas::LineStyle::Dash;
    case 1: return Canvas::LineStyle::Dot;
    default: return Canvas::LineStyle::DashDot;
    }
}

} // namespace

void FigurePainter::drawVertex(Point vertex)
{
    m_canvas.drawDot(pixel(vertex), DotWidth, Ink);
}

void FigurePainter::drawVertices(const std::vector<Point> &vertices, int marked)
{
    QList<QPointF> centres;
    centres.reserve(qsizetype(vertices.size()));
    for (Point vertex : vertices)
        centres.append(pixel(vertex));
    m_canvas.drawDots(centres, DotWidth, Ink);
    if (marked >= 0 && marked < int(vertices.size()))
        m_canvas.drawDot(pixel(vertices[marked]), DotWidth, Mark);
}

void FigurePainter::drawFan(const Fan &fan)
{
    for (const FanTriangle &t : fan.triangles) {
        if (t.k == 2)
            drawSide(m_canvas, t.A, t.B); // side 1-2
        else
            m_canvas.drawLine(pixel(t.A), pixel(t.B), LineWidth, diagonalStyle(t.k), Paper);
        drawSide(m_canvas, t.B, t.C);
    }
    drawSide(m_canvas, fan.closingFrom, fan.closingTo);
}
