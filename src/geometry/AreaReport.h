#pragma once

#include "board/Board.h"

#include <QString>

// Sides and areas of the triangle (A, B, C) of the fan.
struct TriangleMeasures {
    double a = 0;           // |BC|
    double b = 0;           // |AC|
    double c = 0;           // |AB|
    double heron = 0;       // by Heron's formula; 0 for a degenerate triangle
    double determinant = 0; // signed, by the coordinate formula
};

TriangleMeasures MeasureTriangle(const Vertex &A, const Vertex &B, const Vertex &C);

// The report's block for triangle (1, k, k + 1): four lines, each ended by
// CR LF, the last one empty.
QString TriangleReport(int k, const Vertex &A, const Vertex &B, const Vertex &C,
                       const TriangleMeasures &m);
// The report's closing line, ended by CR LF.
QString TotalReport(double total);

// Splits the board's polygon, in its row order, into the fan of triangles
// from vertex 1, draws the sides solid and the inner diagonals in white
// dashes, appends the report to the report box and closes the board.
// Does nothing while the board is closed.
void ComputeArea(Board &board);
