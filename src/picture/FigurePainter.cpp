// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigurePainter.h"

#include "Fan.h"

#include <QColor>

#include <algorithm>
#include <iterator>

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

// The dots' centres go through a buffer on the stack, without an allocation:
// a press draws one dot, a full board 32,767.
QRect FigurePainter::drawVertices(const Point *first, qsizetype count, int marked)
{
    QRect changed;
    QPointF centres[32];
    for (qsizetype done = 0; done < count; done += qsizetype(std::size(centres))) {
        const qsizetype chunk = std::min(count - done, qsizetype(std::size(centres)));
        std::transform(first + done, first + done + chunk, centres, pixel);
        changed |= m_picture.drawDots(centres, chunk, DotWidth, Ink);
    }
    if (marked >= 0 && marked < count)
        changed |= m_picture.drawDot(pixel(first[marked]), DotWidth, Mark);
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

// The lines are drawn at 100 % and, at a zoom, their pixels taken over as
// blocks, which is the same drawing; the dots, round at any ratio, over
// them.
QRect FigurePainter::drawFigure(const DrawnFigure &figure, const std::vector<Point> &vertices, const Picture &lines)
{
    const QRect cleared = m_picture.area();
    const qreal ratio = m_picture.devicePixelRatio();
    if (lines.image().isNull() || lines.size() != m_picture.size())
        m_picture.clear();
    else
        m_picture = ratio == 1 ? lines : lines.atRatio(ratio);
    // The rows are drawn where they stand, without a copy.
    const int base = std::clamp(figure.baseVertices, 0, int(vertices.size()));
    if (figure.base != DrawnFigure::Base::Nothing)
        drawVertices(vertices.data(), base, figure.base == DrawnFigure::Base::Vertices ? figure.marked : -1);
    drawVertices(vertices.data() + base, qsizetype(vertices.size()) - base);
    return cleared;
}

Picture FigurePainter::linesOf(const DrawnFigure &figure, const std::vector<Point> &vertices, QSize size)
{
    if (figure.base != DrawnFigure::Base::Fan)
        return {};
    Picture lines(size, 1);
    FigurePainter painter(lines);
    if (figure.fan)
        painter.drawFan(*figure.fan);
    else
        painter.drawFan(fanOf(std::vector<Point>(vertices.begin(),
                                                 vertices.begin() + std::clamp(figure.baseVertices, 0, int(vertices.size())))));
    return lines;
}
