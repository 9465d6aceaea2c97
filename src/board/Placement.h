// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What became of a way of placing vertices (a press, the keyboard, a paste,
// a drop, a file): placed, or why not, for the window to put in words.
// Nothing is placed unless all of it is.
struct Placement {
    enum Outcome {
        Placed,
        BoardClosed, // the area is computed: the board takes no vertices
        NoVertices,  // no line holds a vertex
        NotAVertex,  // the line is not two whole numbers
        OffCanvas,   // the point is off the canvas
        NoRoom,      // the board has no room for the vertex and those after it
    };

    Outcome outcome = Placed;
    int lineNumber = 0; // the line of a text at fault, from 1; 0 for a single vertex
    QString lineText;

    bool placed() const { return outcome == Placed; }
};
