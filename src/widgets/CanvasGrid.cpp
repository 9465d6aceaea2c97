// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanvasGrid.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// The grid's coordinate nearest `value` from `low` to `high`, halves
// rounded up as a pupil rounds them.
int nearestOnGrid(int value, int low, int high)
{
    const int step = CanvasGrid::Step;
    const int first = (low + step - 1) / step * step, last = high / step * step;
    const int nearest = int(std::floor((value + step / 2.0) / step)) * step;
    return first > last ? value : std::clamp(nearest, first, last);
}

} // namespace

QPoint CanvasGrid::snapped(QPoint pixel, const QRect &area) const
{
    if (!m_shown || area.isEmpty())
        return pixel;
    return QPoint(nearestOnGrid(pixel.x(), std::max(0, area.left()), area.right()),
                  nearestOnGrid(pixel.y(), std::max(0, area.top()), area.bottom()));
}

QPoint CanvasGrid::stepOf(QPoint step) const
{
    if (!m_shown)
        return step;
    return QPoint(step.x() > 0 ? Step : step.x() < 0 ? -Step : 0, step.y() > 0 ? Step : step.y() < 0 ? -Step : 0);
}

// The lines are as many of the screen's pixels wide at every zoom, as the
// figure's are; the light ones are the same colour, fainter, so that the
// strong ones count off fifty at a glance.
void CanvasGrid::paint(QPainter &painter, const QRect &area, qreal zoom, const QFont &font, const QPalette &palette) const
{
    if (!m_shown)
        return;
    painter.save();
    QColor light = palette.color(QPalette::Highlight), strong = light;
    light.setAlpha(55);
    strong.setAlpha(150);
    QPen pen(light, std::max(1.0, std::floor(zoom)));
    pen.setCosmetic(true);
    for (const bool strongLines : {false, true}) {
        pen.setColor(strongLines ? strong : light);
        painter.setPen(pen);
        const int step = strongLines ? StrongStep : Step;
        for (int x = 0; x <= area.right(); x += step)
            painter.drawLine(QPointF(x + 0.5, area.top()), QPointF(x + 0.5, area.bottom() + 1));
        for (int y = 0; y <= area.bottom(); y += step)
            painter.drawLine(QPointF(area.left(), y + 0.5), QPointF(area.right() + 1, y + 0.5));
    }
    // The strong lines' coordinates where they meet the top and left edges,
    // smaller than the canvas's text, and only where they fit.
    QFont small = font;
    if (font.pointSizeF() > 0)
        small.setPointSizeF(font.pointSizeF() * 0.8);
    else
        small.setPixelSize(std::max(1, qRound(font.pixelSize() * 0.8)));
    painter.setFont(small);
    const QFontMetrics metrics(small);
    QColor ground = palette.color(QPalette::Base);
    ground.setAlpha(200);
    const auto label = [&](int value, QPoint corner) {
        const QString text = QString::number(value);
        const QRect box(corner, QSize(metrics.horizontalAdvance(text) + 2, metrics.height()));
        if (!area.contains(box))
            return;
        painter.fillRect(box, ground);
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(box, Qt::AlignCenter, text);
    };
    for (int x = StrongStep; x <= area.right(); x += StrongStep)
        label(x, QPoint(x + 2, area.top()));
    for (int y = 0; y <= area.bottom(); y += StrongStep)
        label(y, QPoint(area.left(), y + 2));
    painter.restore();
}
