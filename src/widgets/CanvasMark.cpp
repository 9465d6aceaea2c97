// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanvasMark.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// A ring's radius round a vertex, and how far a number stands from it.
constexpr int MarkReach = 6;

} // namespace

QRectF CanvasMark::reach(const QFont &font) const
{
    QPolygonF points = area;
    for (const Label &label : labels)
        points << label.vertex;
    for (QPointF ring : rings)
        points << ring;
    if (!shading.isNull())
        points << QPointF(0, 0) << QPointF(shading.size().width(), shading.size().height());
    if (points.isEmpty())
        return {};
    const QFontMetrics metrics(font);
    const int room = MarkReach + metrics.height() + metrics.horizontalAdvance(QStringLiteral("32767"));
    return points.boundingRect().adjusted(-room, -room, room, room);
}

// The area and the shading are multiplied into the picture, so that its
// white takes the mark's colour and its black lines stay black over it; the
// numbers stand on a pale ground beside their dots.
void CanvasMark::paint(QPainter &painter, const QFont &font) const
{
    painter.save();
    if (!shading.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.drawImage(QPointF(0, 0), shading);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.translate(0.5, 0.5);
    // The area's edge needs no smoothing, under the figure's own lines: a
    // polygon of 32,767 corners fills twenty times as fast without.
    if (!area.isEmpty()) {
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPolygon(area, Qt::WindingFill);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 2));
    for (QPointF ring : rings)
        painter.drawEllipse(ring, MarkReach, MarkReach);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (const Label &label : labels) {
        QRect box = metrics.boundingRect(label.text).adjusted(-1, 0, 1, 0);
        box.moveBottomLeft((label.vertex + QPointF(MarkReach - 2, -(MarkReach - 2))).toPoint());
        painter.fillRect(box, ground);
        painter.setPen(ink);
        painter.drawText(box, Qt::AlignCenter, label.text);
    }
    painter.restore();
}
