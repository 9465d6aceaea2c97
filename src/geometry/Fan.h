// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <vector>

// Sides and areas of a triangle (A, B, C).
struct TriangleMeasures {
    double a = 0;           // |BC|
    double b = 0;           // |AC|
    double c = 0;           // |AB|
    double heron = 0;       // by Heron's formula; 0 for a degenerate triangle
    double determinant = 0; // signed, by the coordinate formula
};

TriangleMeasures measureTriangle(Point A, Point B, Point C);

// Heron's half perimeter p of the sides a, b, c and the product
// p(p - a)(p - b)(p - c) under his root, as the report computes them.
struct HeronProduct {
    double p = 0;
    double product = 0;
};

HeronProduct heronProduct(double a, double b, double c);

// Triangle (1, k, k + 1) of the fan from vertex 1, with k counted from 1.
struct FanTriangle {
    int k = 2;
    Point A; // vertex 1
    Point B; // vertex k
    Point C; // vertex k + 1
    TriangleMeasures measures;
};

// The polygon of the points in their order, split into the fan of triangles
// that share vertex 1.
struct Fan {
    std::vector<FanTriangle> triangles;
    // The sum of the triangles' unsigned determinant areas.
    double total = 0;
    // The closing side, from the last vertex back to vertex 1; (0, 0) to
    // (0, 0) without vertices.
    Point closingFrom;
    Point closingTo;
};

Fan fanOf(const std::vector<Point> &points);

// Which of a fan's triangles, by index from 0: those from `first` up to
// `last`, without it.
struct TriangleRange {
    int first = 0;
    int last = 0;
};

// The fan of `points` made from `fan`, the fan of the same points but with
// row `row` somewhere else: the triangles that share that vertex (two, or
// one at the ends; every one for vertex 1) measured afresh, the total summed
// again in the fan's order and the closing side; to the last bit the fan
// that fanOf(points) makes, for a fraction of the work on a large board.
// Returns the triangles measured afresh.
TriangleRange refanAfterMove(Fan &fan, const std::vector<Point> &points, int row);
