// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IntegerVector.h"

std::optional<std::vector<IntegerVector>> wholeVectors(const std::vector<Point> &points)
{
    std::vector<IntegerVector> vectors;
    vectors.reserve(points.size());
    for (Point p : points) {
        const std::optional<IntegerVector> v = wholeVector(p);
        if (!v)
            return std::nullopt;
        vectors.push_back(*v);
    }
    return vectors;
}
