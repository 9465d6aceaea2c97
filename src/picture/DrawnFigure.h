// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fan.h"

#include <memory>

// What the board's picture shows, in a few numbers, so that it can be drawn
// again, pixel for pixel, from them and the rows: a base drawn from the
// first `baseVertices` rows, then a dot for each row placed on it since.
// The fan of a polygon is computed once, by whoever computes its report, and
// drawn from here; a figure kept without it is drawn from the rows.
struct DrawnFigure {
    enum class Base {
        Nothing,  // a cleared picture
        Vertices, // the rows' dots, the `marked` one red over them
        Fan,      // the polygon's fan, its dots over it
    };

    Base base = Base::Nothing;
    int baseVertices = 0;
    int marked = -1;
    std::shared_ptr<const Fan> fan;

    // The same drawing: dots without a red one are the same dots whatever
    // base they were drawn as, and a fan is the fan of its rows.
    bool looksLike(const DrawnFigure &other) const
    {
        const DrawnFigure a = plain(), b = other.plain();
        return a.base == b.base && a.baseVertices == b.baseVertices && a.marked == b.marked;
    }

private:
    DrawnFigure plain() const
    {
        if (base == Base::Fan)
            return {base, baseVertices, -1, nullptr};
        if (base == Base::Vertices && marked >= 0 && marked < baseVertices)
            return {base, baseVertices, marked, nullptr};
        return {};
    }
};
