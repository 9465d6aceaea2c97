// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanvasNote.h"

#include "ClearPlaces.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace {

constexpr int Room = 6; // from the area's edges, and round the text on its ground
constexpr int Flags = Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap;

// A faint line in a smaller face, which stands back from the picture.
QFont fontOf(CanvasNote::Look look, QFont font)
{
    if (look == CanvasNote::Look::Faint && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

} // namespace

QRect CanvasNote::placeIn(const QRect &area, const QFont &font, const Picture &picture) const
{
    if (isEmpty())
        return {};
    const QRect room = area.adjusted(2 * Room, Room, -2 * Room, -Room);
    const QFontMetrics metrics(fontOf(look, font));
    // Wrapped to the whole width, else narrower, to stand clear between
    // the figure's sides.
    const auto boxOf = [&](int quarters) {
        const QRect wrapped(room.topLeft(), QSize(room.width() * quarters / 4, room.height()));
        return metrics.boundingRect(wrapped, Flags, text).size() + QSize(2 * Room, Room);
    };
    const ClearPlaces places(picture, Room);
    for (int quarters : {4, 3, 2})
        if (const std::optional<QRect> clear = places.clearFor(boxOf(quarters)))
            return *clear;
    return places.emptierEdgeFor(boxOf(4));
}

void CanvasNote::paint(QPainter &painter, const QRect &box, const QFont &font, const QPalette &palette) const
{
    if (isEmpty())
        return;
    painter.save();
    painter.setFont(fontOf(look, font));
    if (look == Look::Hint) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(palette.color(QPalette::ToolTipText));
        painter.setBrush(palette.color(QPalette::ToolTipBase));
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), Room, Room);
    } else {
        painter.setPen(palette.color(QPalette::PlaceholderText));
    }
    painter.drawText(box.adjusted(Room, Room / 2, -Room, -Room / 2), Flags, text);
    painter.restore();
}
