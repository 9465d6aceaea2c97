// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigurePainter.h"

#include "Fan.h"

#include <QColor>

#include <algorithm>

namespace {

const QColor Ink = Qt::black;
const QColor Mark = Qt::red;
const QColor Paper = Qt::white;

// Drawing is in single precision.
QPointF pixel(Point p)
{
    return QPointF(float(p.x), float(p.y));
}

QRect drawSide(Picture &picture, Point from, Point to)
{
    return picture.drawLine(pixel(from), pixel(to), Picture::LineStyle::Solid, Ink);
}

// The diagonals to vertices 3, 4, 5, ... are dashed, dotted, dash-dotted,
// dashed, ... in turn.
Picture::LineStyle diagonalStyle(int k)
{
    switch (k % 3) {
    case 0: return Picture::LineStyle::Dash;
    case 1: return Picture::LineStyle::Dot;
    default: return Picture::LineStyle::DashDot;
    }
}

} // namespace

QRect FigurePainter::drawVertices(const std::vector<Point> &vertices, int marked)
{
    QList<QPointF> centres;
    centres.reserve(qsizetype(vertices.size()));
    for (Point vertex : vertices)
        centres.append(pixel(vertex));
    QRect changed = m_picture.drawDots(centres, DotWidth, Ink);
    if (marked >= 0 && marked < int(vertices.size()))
        changed |= m_picture.drawDot(pixel(vertices[marked]), DotWidth, Mark);
    return changed;
}

QRect FigurePainter::drawFan(const Fan &fan)
{
    QRect changed;
    for (const FanTriangle &t : fan.triangles) {
        if (t.k == 2)
            changed |= drawSide(m_picture, t.A, t.B); // side 1-2
        else
            changed |= m_picture.drawLine(pixel(t.A), pixel(t.B), diagonalStyle(t.k), Paper);
        changed |= drawSide(m_picture, t.B, t.C);
    }
    return changed | drawSide(m_picture, fan.closingFrom, fan.closingTo);
}

QRect FigurePainter::drawFigure(const DrawnFigure &figure, const std::vector<Point> &vertices)
{
    const QRect cleared = m_picture.clear();
    const auto baseEnd = vertices.begin() + std::clamp(figure.baseVertices, 0, int(vertices.size()));
    const std::vector<Point> base(vertices.begin(), baseEnd);
    switch (figure.base) {
    case DrawnFigure::Base::Nothing: break;
    case DrawnFigure::Base::Vertices: drawVertices(base, figure.marked); break;
    case DrawnFigure::Base::Fan: {
        const auto fan = figure.fan ? figure.fan : std::make_shared<const Fan>(fanOf(base));
        drawFan(*fan);
        drawVertices(base);
        break;
    }
    }
    drawVertices(std::vector<Point>(baseEnd, vertices.end()));
    return cleared;
}
