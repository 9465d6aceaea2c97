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

} // namespace

QPointF FigureLines::dotCentre(Point vertex) const
{
    const QPointF centre = toPage.map(QPointF(float(vertex.x) + 0.5, float(vertex.y) + 0.5));
    return wholeUnits ? QPointF(std::round(centre.x()), std::round(centre.y())) : centre;
}

void FigureLines::draw(QPainter &painter, const DrawnFigure &figure, const std::vector<Point> &vertices) const
{
    const int base = std::clamp(figure.baseVertices, 0, int(vertices.size()));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (figure.base == DrawnFigure::Base::Fan) {
        const Fan fan = figure.fan ? Fan() : fanOf(std::vector<Point>(vertices.begin(), vertices.begin() + base));
        const Fan &drawn = figure.fan ? *figure.fan : fan;
        std::array<std::vector<QLineF>, 3> diagonals;
        std::vector<QLineF> sides;
        sides.reserve(drawn.triangles.size() + 2);
        for (const FanTriangle &t : drawn.triangles) {
            if (t.k == 2)
                sides.emplace_back(dotCentre(t.A), dotCentre(t.B));
            else
                diagonals[diagonalStyleOf(t.k)].emplace_back(dotCentre(t.A), dotCentre(t.B));
            sides.emplace_back(dotCentre(t.B), dotCentre(t.C));
        }
        sides.emplace_back(dotCentre(drawn.closingFrom), dotCentre(drawn.closingTo));
        for (size_t style = 0; style < diagonals.size(); ++style) {
            QPen pen(diagonalColour, diagonalWidth, dashedDiagonals ? DiagonalStyles[style] : Qt::SolidLine, Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLines(diagonals[style].data(), int(diagonals[style].size()));
        }
        painter.setPen(QPen(Ink, sideWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLines(sides.data(), int(sides.size()));
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
