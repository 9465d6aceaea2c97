// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Picture;
class QFont;
class QPainter;
class QPalette;
class QRect;

// A short text over the canvas, for the user, never in the picture: a hint
// on a pale ground where a press did nothing, or a faint line of where more
// is to be found. In the palette's colours for tips and for placeholder
// text.
struct CanvasNote {
    enum class Look { Hint, Faint };

    QString text;
    Look look = Look::Hint;

    bool isEmpty() const { return text.isEmpty(); }
    friend bool operator==(const CanvasNote &a, const CanvasNote &b) { return a.text == b.text && a.look == b.look; }

    // Where it stands over the picture of `area`, in `font` (a faint line in
    // a smaller face), wrapped to the area's width: where it covers none of
    // the figure, wrapped narrower where that finds a clear place, else at
    // the foot or the top (ClearPlaces). Empty for no note.
    QRect placeIn(const QRect &area, const QFont &font, const Picture &picture) const;
    // Into `box`, in the picture's coordinates.
    void paint(QPainter &painter, const QRect &box, const QFont &font, const QPalette &palette) const;
};
