// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the board's picture shows, in a few numbers, so that it can be drawn
// again, pixel for pixel, from them and the rows: a base drawn from the
// first `baseVertices` rows, then a dot for each row placed on it since.
struct DrawnFigure {
    enum class Base {
        Nothing,  // a cleared picture
        Vertices, // the rows' dots, the `marked` one red over them
        Fan,      // the polygon's fan, its dots over it
    };

    Base base = Base::Nothing;
    int baseVertices = 0;
    int marked = -1;

    friend bool operator==(const DrawnFigure &a, const DrawnFigure &b)
    {
        return a.base == b.base && a.baseVertices == b.baseVertices && a.marked == b.marked;
    }
    friend bool operator!=(const DrawnFigure &a, const DrawnFigure &b) { return !(a == b); }
};
