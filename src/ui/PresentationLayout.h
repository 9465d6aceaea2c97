// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

// A text of a step where it is painted: in its box, aligned by `flags`, in
// its face.
struct PlacedText {
    QRectF box;
    QFont font;
    int flags = 0;
    QString text;
};

// A step's text: its lines, as a screen reader reads them, and where each
// part of them is painted.
struct StepText {
    QStringList lines;
    std::vector<PlacedText> placed;
    int listedVertices = 0; // those step 0 lists, from vertex 1
};

// The row under a step's text: a number being typed, large, at the left,
// and the keys, small, at the right, where the number leaves them room.
struct KeysRow {
    std::optional<PlacedText> typed;
    std::optional<PlacedText> keys;
};

// Where the presentation puts things on a screen: the picture as large as
// the screen allows; under it the step's lines in type a 24th of the
// screen's height; under them a row of the keys, small, and of a
// triangle's number while it is typed, large. Every text has a box of its
// own that holds it: none covers another, and none leaves the screen, at
// any screen size and any count of vertices. Where a step's lines would not
// fit, they are set in smaller type.
class PresentationLayout
{
public:
    // `canvas`: the picture's size in its own pixels.
    PresentationLayout(QSize screen, const QFont &face, QSize canvas);

    QRectF pictureArea() const { return m_pictureArea; }
    qreal scale() const { return m_scale; } // screen pixels a picture's pixel
    const QFont &textFont() const { return m_textFont; }
    // Where vertices' numbers may stand: the screen above the text.
    QRectF labelArea() const;

    // Step 0: the vertices with their coordinates in a grid whose columns
    // line up, as many as its rows hold; which way Y grows; before a
    // computation, how to get the triangles.
    StepText verticesStep(const std::vector<Point> &vertices, bool computed) const;
    // Any other step: its lines, each wrapped between words.
    StepText lines(const QStringList &lines) const;
    KeysRow keys(const QString &typed) const;

private:
    std::vector<PlacedText> placeLines(const QStringList &lines, const QFont &font, int columns, qreal *height) const;

    QSize m_canvas;
    QFont m_textFont;
    QRectF m_pictureArea;
    qreal m_scale = 1;
    QRectF m_textArea;
    QRectF m_keysRow;
};
