// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fan.h"

#include <algorithm>
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

namespace {

FanTriangle triangleOf(const std::vector<Point> &points, int k)
{
    FanTriangle t{k, points[0], points[size_t(k) - 1], points[size_t(k)], {}};
    t.measures = measureTriangle(t.A, t.B, t.C);
    return t;
}

void closeFan(Fan &fan, const std::vector<Point> &points)
{
    if (!points.empty()) {
        fan.closingFrom = points.back();
        fan.closingTo = points.front();
    }
}

} // namespace

Fan fanOf(const std::vector<Point> &points)
{
    Fan fan;
    const int n = int(points.size());
    if (n > 2)
        fan.triangles.reserve(n - 2);
    for (int k = 2; k < n; ++k) {
        fan.triangles.push_back(triangleOf(points, k));
        fan.total = std::fabs(fan.triangles.back().measures.determinant) + fan.total;
    }
    closeFan(fan, points);
    return fan;
}

// Triangle k (1, k, k + 1) stands at index k - 2: the vertex of row r is
// its C in triangle r - 2 and its B in triangle r - 1.
TriangleRange refanAfterMove(Fan &fan, const std::vector<Point> &points, int row)
{
    const int triangles = int(fan.triangles.size());
    if (triangles != std::max(0, int(points.size()) - 2) || row < 0 || row >= int(points.size())) {
        fan = fanOf(points);
        return {0, int(fan.triangles.size())};
    }
    const TriangleRange changed = row == 0 ? TriangleRange{0, triangles}
                                           : TriangleRange{std::max(0, row - 2), std::min(triangles, row)};
    for (int i = changed.first; i < changed.last; ++i)
        fan.triangles[size_t(i)] = triangleOf(points, i + 2);
    // The same sum in the same order: the total's last digits depend on it.
    fan.total = 0;
    for (const FanTriangle &t : fan.triangles)
        fan.total = std::fabs(t.measures.determinant) + fan.total;
    closeFan(fan, points);
    return changed;
}
