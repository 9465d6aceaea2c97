// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <cstdint>
#include <vector>

// Numbered tasks: a convex polygon for each variant number, the same on any
// computer, made by a pseudo-random generator written out in this library,
// in whole numbers and the square roots and products that IEEE arithmetic
// rounds alike everywhere (no library's random engine or sine, whose
// results differ between C++ libraries). A variant's board is a promise to
// the sheets in pupils' hands: a change of the generator changes no board.
//
// A task's vertices stand on a 10-pixel grid inside the canvas, at least
// 20 pixels from its edges; no three lie on a line, no two are closer than
// 30 pixels, and the polygon covers at least a third of the rectangle round
// it. Each triangle of the fan from vertex 1, in contour order, has at least
// 400 square pixels, and Heron's formula on its sides written with three
// decimals (with p and its factors written so too, or not) gives its area
// within 0.1 %: every task can be worked by hand. The variant number says
// how many vertices: 3 + variant mod 8.
namespace Task {

constexpr int FirstVariant = 1;
constexpr int LastVariant = 9999;
constexpr int FewestVertices = 3;
constexpr int MostVertices = 10;
constexpr int Grid = 10;            // pixels between the places a vertex may take
constexpr int Margin = 20;          // pixels from the canvas's edges, for the dots and their numbers
constexpr int Spacing = 30;         // pixels at least between two vertices
constexpr int SmallestTriangle = 400; // square pixels

// How many vertices the variant's polygon has.
int vertexCount(int variant);

// A variant of `vertexCount` vertices (3 to 10), chosen by any number: the
// same number gives the same variant, neighbouring numbers different ones.
int variantWith(int vertexCount, std::uint64_t anyNumber);

// The variant's polygon on a canvas of `width` by `height` pixels, in
// contour order (the order "Контур" gives them). A variant outside 1 to
// 9999 is taken as the nearest one.
std::vector<Point> polygon(int variant, int width, int height);

} // namespace Task
