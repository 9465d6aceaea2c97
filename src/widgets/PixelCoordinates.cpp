// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PixelCoordinates.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

namespace {

// How far the coordinates stand from the pixel they tell, right and below.
constexpr int Offset = 12;

} // namespace

QRectF PixelCoordinates::boxOf(QPoint pixel, const QRect &area, const QFont &font) const
{
    if (!m_text)
        return {};
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(m_text(pixel)) + 4, metrics.height());
    const QRectF inside(area);
    QPointF corner = QPointF(pixel) + QPointF(Offset, Offset);
    if (corner.x() + size.width() > inside.right())
        corner.rx() = pixel.x() - Offset - size.width();
    if (corner.y() + size.height() > inside.bottom())
        corner.ry() = pixel.y() - Offset - size.height();
    return QRectF(corner, size);
}

void PixelCoordinates::paint(QPainter &painter, const std::vector<QPoint> &pixels, const QRect &area,
                             const QFont &font, const QPalette &palette) const
{
    if (!m_text || pixels.empty())
        return;
    painter.save();
    painter.setFont(font);
    QColor ground = palette.color(QPalette::ToolTipBase);
    ground.setAlpha(230);
    for (QPoint pixel : pixels) {
        const QRectF box = boxOf(pixel, area, font);
        painter.fillRect(box, ground);
        painter.setPen(palette.color(QPalette::ToolTipText));
        painter.drawText(box, Qt::AlignCenter, m_text(pixel));
    }
    painter.restore();
}
