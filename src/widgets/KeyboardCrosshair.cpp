// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardCrosshair.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Half the length of the crosshair's arms.
constexpr int Reach = 7;

} // namespace

bool KeyboardCrosshair::moveTo(QPoint position, const QRect &picture)
{
    if (picture.isEmpty())
        return false;
    const QPoint kept(std::clamp(position.x(), picture.left(), picture.right()),
                      std::clamp(position.y(), picture.top(), picture.bottom()));
    if (kept == m_position)
        return false;
    m_position = kept;
    return true;
}

QRectF KeyboardCrosshair::reach() const
{
    return QRectF(QRect(m_position, QSize(1, 1)).adjusted(-Reach - 1, -Reach - 1, Reach + 1, Reach + 1));
}

void KeyboardCrosshair::paint(QPainter &painter, const QTransform &toWidget, const QColor &colour) const
{
    const qreal zoom = toWidget.m11();
    const QPointF centre = toWidget.map(QPointF(m_position) + QPointF(0.5, 0.5));
    painter.setPen(QPen(colour, std::max(1.0, std::floor(zoom))));
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        painter.drawLine(centre + 2 * zoom * direction, centre + Reach * zoom * direction);
}

QPoint KeyboardCrosshair::stepOf(const QKeyEvent &key)
{
    const int step = key.modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (key.key()) {
    case Qt::Key_Left: return QPoint(-step, 0);
    case Qt::Key_Right: return QPoint(step, 0);
    case Qt::Key_Up: return QPoint(0, -step);
    case Qt::Key_Down: return QPoint(0, step);
    default: return {};
    }
}
