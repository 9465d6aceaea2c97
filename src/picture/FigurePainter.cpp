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

QRect drawSide(Picture &picture, Point from, Point to, const QRect &within)
{
    return picture.drawLine(pixel(from), pixel(to), Picture::LineStyle::Solid, Ink, within);
}

QRect pixelBox(Point p)
{
    return QRect(int(p.x), int(p.y), 1, 1);
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
        changed |= m_picture.drawDots(centres, chunk, DotWidth, Ink, m_within);
    }
    if (marked >= 0 && marked < count) {
        const QPointF centre = pixel(first[marked]);
        changed |= m_picture.drawDots(&centre, 1, DotWidth, Mark, m_within);
    }
    return changed;
}

QRect FigurePainter::drawFan(const Fan &fan)
{
    QRect changed;
    for (const FanTriangle &t : fan.triangles) {
        if (t.k == 2)
            changed |= drawSide(m_picture, t.A, t.B, m_within); // side 1-2
        else
            changed |= m_picture.drawLine(pixel(t.A), pixel(t.B), diagonalStyle(t.k), Paper, m_within);
        changed |= drawSide(m_picture, t.B, t.C, m_within);
    }
    return changed | drawSide(m_picture, fan.closingFrom, fan.closingTo, m_within);
}

// Vertex 1 ends every diagonal; vertex r its sides to r - 1 and r + 1 (the
// last and the first closing the polygon) and the diagonal from vertex 1.
QRect FigurePainter::reachOfMove(const std::vector<Point> &vertices, int row, Point from)
{
    const int n = int(vertices.size());
    if (row < 0 || row >= n)
        return {};
    QRect reach = pixelBox(from) | pixelBox(vertices[size_t(row)]);
    if (row == 0) {
        for (Point p : vertices)
            reach |= pixelBox(p);
    } else {
        for (int end : {row - 1, (row + 1) % n, 0})
            reach |= pixelBox(vertices[size_t(end)]);
    }
    const int dot = DotWidth / 2 + 1;
    return reach.adjusted(-dot, -dot, dot, dot);
}

// The lines are drawn at 100 % and, at a zoom, their pixels taken over as
// blocks, which is the same drawing; the dots, round at any ratio, over
// them.
int FigurePainter::dotAt(const std::vector<Point> &vertices, QPoint pixel, int margin)
{
    const double reach = DotWidth / 2 + margin;
    double nearest = reach * reach;
    int found = -1;
    for (int row = 0; row < int(vertices.size()); ++row) {
        const double dx = vertices[size_t(row)].x - pixel.x(), dy = vertices[size_t(row)].y - pixel.y();
        if (dx * dx + dy * dy <= nearest) {
            nearest = dx * dx + dy * dy;
            found = row;
        }
    }
    return found;
}

QRect FigurePainter::drawFigure(const DrawnFigure &figure, const std::vector<Point> &vertices, const Picture &lines)
{
    const qreal ratio = m_picture.devicePixelRatio();
    const bool noLines = lines.image().isNull() || lines.size() != m_picture.size();
    // At a zoom the lines' pixels next to the part may change with it.
    if (m_within != m_picture.area())
        m_within = noLines ? m_picture.clear(m_within) : m_picture.takeOver(lines, m_within);
    else if (noLines)
        m_picture.clear();
    else
        m_picture = ratio == 1 ? lines : lines.atRatio(ratio);
    // The rows are drawn where they stand, without a copy.
    const int base = std::clamp(figure.baseVertices, 0, int(vertices.size()));
    if (figure.base != DrawnFigure::Base::Nothing)
        drawVertices(vertices.data(), base, figure.base == DrawnFigure::Base::Vertices ? figure.marked : -1);
    drawVertices(vertices.data() + base, qsizetype(vertices.size()) - base);
    return m_within;
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
