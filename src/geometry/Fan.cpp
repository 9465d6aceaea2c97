// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fan.h"

#include <cmath>

namespace {

double distance(Point p, Point q)
{
    return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
}

} // namespace

// Every step in double precision and in the order written: the report's
// last digits depend on it.
TriangleMeasures measureTriangle(Point A, Point B, Point C)
{
    TriangleMeasures m;
    m.c = distance(A, B);
    m.a = distance(B, C);
    m.b = distance(A, C);
    const double product = heronProduct(m.a, m.b, m.c).product;
    // Three points on one line can give a product a little below zero.
    m.heron = product > 0 ? std::sqrt(product) : 0;
    m.determinant = 0.5 * (((((A.x * B.y + A.y * C.x) + B.x * C.y) - C.x * B.y) - C.y * A.x) - B.x * A.y);
    return m;
}

HeronProduct heronProduct(double a, double b, double c)
{
    const double p = ((a + b) + c) / 2;
    return {p, ((p * (p - a)) * (p - b)) * (p - c)};
}

Fan fanOf(const std::vector<Point> &points)
{
    Fan fan;
    const int n = int(points.size());
    if (n > 2)
        fan.triangles.reserve(n - 2);
    for (int k = 2; k < n; ++k) {
        FanTriangle t{k, points[0], points[k - 1], points[k], {}};
        t.measures = measureTriangle(t.A, t.B, t.C);
        fan.total = std::fabs(t.measures.determinant) + fan.total;
        fan.triangles.push_back(t);
    }
    if (n > 0) {
        fan.closingFrom = points[n - 1];
        fan.closingTo = points[0];
    }
    return fan;
}
