// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QString>

class QFont;
class QPainter;

// What the canvas marks over its picture for the user, never in it: an
// area shown in a light colour under the figure's lines (a triangle of the
// fan), a shading of the picture's size under them (how often the fan's
// triangles cover each pixel), numbers beside vertices, and vertices ringed.
// Coordinates are the picture's pixels; a vertex's dot is centred on the
// middle of its pixel.
struct CanvasMark {
    struct Label {
        QPointF vertex;
        QString text;
    };

    QPolygonF area;
    QImage shading; // one pixel a picture's pixel, white where it leaves the picture as it is
    QList<Label> labels;
    QList<QPointF> rings;
    QColor fill;   // of the area
    QColor ink;    // of the rings and numbers
    QColor ground; // behind the numbers

    bool isEmpty() const { return area.isEmpty() && shading.isNull() && labels.isEmpty() && rings.isEmpty(); }

    // In the picture's coordinates, the labels in `font`.
    void paint(QPainter &painter, const QFont &font) const;
    // Where it is painted, its labels' room included; empty for no mark.
    QRectF reach(const QFont &font) const;
};
