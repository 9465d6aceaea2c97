#pragma once

#include "board/Board.h"

#include <vector>

// The contour of a convex set of points, found by a split and two sorts:
// the start vertex is the first row with the greatest Y (the lowest point on
// the canvas) and Xn its X. Set A, the rows with X <= Xn, goes up the left
// side by decreasing Y; set B, the rows with X > Xn, comes down the right
// side by increasing Y. Rows of one set with equal Y keep their list order.
struct Contour {
    std::vector<int> up;   // set A, start vertex first
    std::vector<int> down; // set B
};

Contour ContourOrder(const std::vector<Vertex> &vertices);

// Rewrites the coordinate rows of the board in contour order, moving the
// texts unchanged through the scratch lists; the vertex numbers stay where
// they are, so they label the rows in their new order.
void OrderContour(Board &board);
