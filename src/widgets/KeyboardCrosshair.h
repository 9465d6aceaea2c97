// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRectF>

class QColor;
class QKeyEvent;
class QPainter;
class QTransform;

// The crosshair the arrow keys move over the canvas's picture, a pixel of
// it at a time: a cross with an open centre, so that the pixel under it
// stays visible. It stays inside the picture, and once centred, at the
// centre, also when the picture's size changes.
class KeyboardCrosshair
{
public:
    QPoint position() const { return m_position; }
    bool isCentred() const { return m_centred; }
    void setCentred(bool centred) { m_centred = centred; }
    // To `position`, kept inside `picture`; false when it stays where it was.
    bool moveTo(QPoint position, const QRect &picture);

    // Where it is painted, in the picture's coordinates.
    QRectF reach() const;
    // At the zoom of `toWidget`, onto the widget: its arms grow with the
    // zoom, as the pixels do.
    void paint(QPainter &painter, const QTransform &toWidget, const QColor &colour) const;

    // How far an arrow key moves it: a pixel, ten with Shift; none for any
    // other key.
    static QPoint stepOf(const QKeyEvent &key);

private:
    QPoint m_position;
    bool m_centred = true;
};
