// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;

// The vertices' numbers beside their dots, over the canvas's picture and
// never in it, in the picture's pixels: each where it overlaps no dot and no
// other number, in the vertices' order, so that on a crowded board the first
// ones stand and the rest are left out (the lists hold every vertex). They
// are placed once for a figure and painted where the canvas repaints.
class VertexNumbers
{
public:
    // The vertices changed: the numbers are placed anew when next painted.
    void invalidate() { m_placed = false; }

    // The numbers of `vertices` inside `area`, in `font`, each on a pale
    // ground, those that touch `exposed` painted; but for the vertices at
    // `named`, whose numbers a mark gives.
    void paint(QPainter &painter, const std::vector<Point> &vertices, const QRectF &area, const QFont &font,
               const QRectF &exposed, const QList<QPointF> &named);

private:
    void place(const std::vector<Point> &vertices, const QRectF &area, const QFont &font);

    bool m_placed = false;
    QFont m_font;
    std::vector<QRectF> m_places; // null for a number left out
};
