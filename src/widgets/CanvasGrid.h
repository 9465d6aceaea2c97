// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>

class QFont;
class QPainter;
class QPalette;

// A grid over the canvas's picture, never in it, as on squared paper: light
// lines every `Step` pixels and stronger ones every `StrongStep`, through
// the middles of their pixels (where a vertex's dot is centred), with the
// strong lines' coordinates along the picture's top and left edges. While
// it shows, a place on the picture is taken to the grid's nearest point,
// for coordinates a pupil can work with by hand.
class CanvasGrid
{
public:
    static constexpr int Step = 10;
    static constexpr int StrongStep = 50;

    bool isShown() const { return m_shown; }
    void setShown(bool shown) { m_shown = shown; }

    // The grid's point nearest `pixel` in the picture's `area`, the pixel
    // itself while the grid is hidden.
    QPoint snapped(QPoint pixel, const QRect &area) const;
    // A step of the keyboard's, along one axis: as it is, or a grid's step
    // that way while the grid shows.
    QPoint stepOf(QPoint step) const;

    // Over the picture's `area`, the painter set to its coordinates at
    // `zoom`; the coordinates in `font`.
    void paint(QPainter &painter, const QRect &area, qreal zoom, const QFont &font, const QPalette &palette) const;

private:
    bool m_shown = false;
};
