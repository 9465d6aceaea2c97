// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigureLines.h"

#include "Fan.h"

#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor Ink = Qt::black;
const QColor Mark = Qt::red;

// The diagonals to vertices 3, 4, 5, ... dashed, dotted, dash-dotted, dashed,
// ... in turn, as on the canvas.
constexpr std::array<Qt::PenStyle, 3> DiagonalStyles{Qt::DashLine, Qt::DotLine, Qt::DashDotLine};

size_t diagonalStyleOf(int k)
{
    return size_t(k % 3);
}

// The fan's lines on the page: its diagonals by their style, and its sides.
struct FanLines {
    std::array<std::vector<QLineF>, 3> diagonals;
    std::vector<QLineF> sides;
};

FanLines fanLinesOf(const FigureLines &page, const DrawnFigure &figure, const std::vector<Point> &vertices)
{
    FanLines lines;
    if (figure.base != DrawnFigure::Base::Fan)
        return lines;
    const int base = std::clamp(figure.baseVertices, 0, int(vertices.size()));
    const Fan fan = figure.fan ? Fan() : fanOf(std::vector<Point>(vertices.begin(), vertices.begin() + base));
    const Fan &drawn = figure.fan ? *figure.fan : fan;
    lines.sides.reserve(drawn.triangles.size() + 2);
    for (const FanTriangle &t : drawn.triangles) {
        if (t.k == 2)
            lines.sides.emplace_back(page.dotCentre(t.A), page.dotCentre(t.B));
        else
            lines.diagonals[page.alternatingDashes ? diagonalStyleOf(t.k) : 0].emplace_back(page.dotCentre(t.A),
                                                                                          page.dotCentre(t.B));
        lines.sides.emplace_back(page.dotCentre(t.B), page.dotCentre(t.C));
    }
    lines.sides.emplace_back(page.dotCentre(drawn.closingFrom), page.dotCentre(drawn.closingTo));
    return lines;
}

} // namespace

QPointF FigureLines::dotCentre(Point vertex) const
{
    const QPointF centre = toPage.map(QPointF(float(vertex.x) + 0.5, float(vertex.y) + 0.5));
    return wholeUnits ? QPointF(std::round(centre.x()), std::round(centre.y())) : centre;
}

std::vector<QLineF> FigureLines::linesOf(const DrawnFigure &figure, const std::vector<Point> &vertices) const
{
    FanLines fan = fanLinesOf(*this, figure, vertices);
    std::vector<QLineF> lines = std::move(fan.sides);
    for (const std::vector<QLineF> &diagonals : fan.diagonals)
        lines.insert(lines.end(), diagonals.begin(), diagonals.end());
    return lines;
}

void FigureLines::draw(QPainter &painter, const DrawnFigure &figure, const std::vector<Point> &vertices) const
{
    const int base = std::clamp(figure.baseVertices, 0, int(vertices.size()));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (figure.base == DrawnFigure::Base::Fan) {
        const FanLines fan = fanLinesOf(*this, figure, vertices);
        for (size_t style = 0; style < fan.diagonals.size(); ++style) {
            QPen pen(diagonalColour, diagonalWidth, dashedDiagonals ? DiagonalStyles[style] : Qt::SolidLine, Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLines(fan.diagonals[style].data(), int(fan.diagonals[style].size()));
        }
        painter.setPen(QPen(Ink, sideWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLines(fan.sides.data(), int(fan.sides.size()));
    }
    // The dots as points of a round pen as wide as a dot.
    std::vector<QPointF> dots;
    dots.reserve(vertices.size());
    for (const Point &vertex : vertices)
        dots.push_back(dotCentre(vertex));
    painter.setPen(QPen(Ink, dotWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(dots.data(), int(dots.size()));
    if (figure.base == DrawnFigure::Base::Vertices && figure.marked >= 0 && figure.marked < base) {
        painter.setPen(QPen(Mark, dotWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoint(dots[size_t(figure.marked)]);
    }
    painter.restore();
}
