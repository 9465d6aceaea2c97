// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A vertex's position in canvas pixels: X to the right, Y downward.
struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point &p, const Point &q) { return p.x == q.x && p.y == q.y; }
};
