// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFont;
class QPainter;
class QPalette;
class QRect;

// A short text over the foot of the canvas, for the user, never in the
// picture: a hint on a pale ground where a press did nothing, or a faint
// line of where more is to be found. In the palette's colours for tips and
// for placeholder text.
struct CanvasNote {
    enum class Look { Hint, Faint };

    QString text;
    Look look = Look::Hint;

    bool isEmpty() const { return text.isEmpty(); }
    friend bool operator==(const CanvasNote &a, const CanvasNote &b) { return a.text == b.text && a.look == b.look; }

    // Onto the foot of `area`, in the picture's coordinates and `font` (a
    // faint line in a smaller face), wrapped to its width.
    void paint(QPainter &painter, const QRect &area, const QFont &font, const QPalette &palette) const;
    // Where it is painted; empty for no note.
    QRect placeIn(const QRect &area, const QFont &font) const;
};
