// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanvasNote.h"

#include "ClearPlace.h"

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
    const QRect text = QFontMetrics(fontOf(look, font)).boundingRect(room, Flags, this->text);
    return clearPlaceFor(picture, text.size() + QSize(2 * Room, Room), Room);
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
