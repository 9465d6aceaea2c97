// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The convexity decision behind the report's warning, held against the
// obvious way: no problem for a hull without area or rows that go once round
// it; else the rows strictly inside the hull, or, with none inside, rows out
// of order.

#include "BruteForce.h"
#include "ContourProblem.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size < 1 || size > 17)
        return 0;
    const std::vector<Spot> spots = spotsOf(data, size);
    const std::vector<Point> points = pointsOf(spots);
    ContourProblem expected;
    if (spots.size() >= 3 && hasArea(spots) && !goesOnceRound(spots)) {
        for (size_t i = 0; i < spots.size(); ++i)
            if (!onBoundary(spots, spots[i]))
                expected.innerVertices.push_back(int(i) + 1);
        expected.outOfOrder = expected.innerVertices.empty();
    }
    const ContourProblem problem = contourProblem(points);
    if (problem.innerVertices != expected.innerVertices || problem.outOfOrder != expected.outOfOrder)
        std::abort();
    return 0;
}
