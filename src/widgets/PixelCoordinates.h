// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRectF>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QFont;
class QPainter;
class QPalette;

// The coordinates of pixels of the canvas's picture, over it and never in
// it, in the picture's coordinates: each on a pale ground below and right of
// its pixel, or where that would leave the picture, on the other side.
class PixelCoordinates
{
public:
    // The text that tells a pixel's coordinates; none, none shown.
    void setText(std::function<QString(QPoint)> text) { m_text = std::move(text); }

    // Where a pixel's coordinates stand in the picture's `area`, in `font`;
    // empty when none are shown.
    QRectF boxOf(QPoint pixel, const QRect &area, const QFont &font) const;
    void paint(QPainter &painter, const std::vector<QPoint> &pixels, const QRect &area, const QFont &font,
               const QPalette &palette) const;

private:
    std::function<QString(QPoint)> m_text;
};
