// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

class Picture;

// Where a box stands over a picture, `margin` inside its edges, covering
// none of what is drawn on it (a vertex's dot, a side) nor coming nearer to
// it than `margin`, or covering as little of it as its foot or top allow.
// The drawing is counted once, as the picture is now.
class ClearPlaces
{
public:
    ClearPlaces(const Picture &picture, int margin);

    // At the foot, centred, where that is clear; else at the top; else the
    // first clear place from the foot up, nearest the middle; none where no
    // place is clear.
    std::optional<QRect> clearFor(QSize size) const;
    // At the foot or the top, centred, whichever covers less of the drawing.
    QRect emptierEdgeFor(QSize size) const;

private:
    // How many device pixels are drawn on in a rectangle of the picture's
    // pixels, from the sums above and left of each device pixel.
    int drawnIn(const QRect &area) const;
    int sumAt(int x, int y) const { return m_sums[size_t(y) * size_t(m_columns) + size_t(x)]; }
    QRect atFoot(QSize size) const;

    QRect m_room;
    int m_margin;
    qreal m_ratio;
    QRect m_device;
    int m_columns;
    std::vector<int> m_sums; // at most a picture's device pixels
};
