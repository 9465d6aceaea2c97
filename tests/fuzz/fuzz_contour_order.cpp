// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The contour order, held against the obvious way: the split and sort by
// repeated scans, and, for points in convex position that it does not take
// once round, a walk once round clockwise from its start vertex.

#include "BruteForce.h"
#include "ContourOrder.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The first row with the greatest Y starts; rows with X at most its X go up
// by decreasing Y, the others down by increasing Y; ties to the earlier row.
std::vector<int> scanOrder(const std::vector<Spot> &s)
{
    std::vector<int> left, right, order;
    int start = 0;
    for (int r = 0; r < int(s.size()); ++r)
        if (s[r].y > s[start].y)
            start = r;
    for (int r = 0; r < int(s.size()); ++r)
        (s[r].x <= s[start].x ? left : right).push_back(r);
    for (auto [set, greatestFirst] : {std::pair{&left, true}, std::pair{&right, false}}) {
        while (!set->empty()) {
            size_t k = 0;
            for (size_t r = 1; r < set->size(); ++r)
                if (greatestFirst ? s[(*set)[r]].y > s[(*set)[k]].y : s[(*set)[r]].y < s[(*set)[k]].y)
                    k = r;
            order.push_back((*set)[k]);
            set->erase(set->begin() + k);
        }
    }
    return order;
}

std::vector<Spot> inOrder(const std::vector<Spot> &s, const std::vector<int> &order)
{
    std::vector<Spot> rows;
    for (int i : order)
        rows.push_back(s[i]);
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size < 1 || size > 17)
        return 0;
    const std::vector<Spot> spots = spotsOf(data, size);
    const std::vector<Point> points = pointsOf(spots);
    const std::vector<int> splitAndSort = splitAndSortOrder(points);
    if (splitAndSort != scanOrder(spots))
        std::abort();
    const std::vector<int> order = contourOrder(points);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < int(sorted.size()); ++i)
        if (sorted[i] != i)
            std::abort(); // every row once
    const bool convex = !spots.empty() && hasArea(spots)
                        && std::all_of(spots.begin(), spots.end(), [&](Spot p) { return onBoundary(spots, p); });
    const bool walked = convex && !goesOnceRound(inOrder(spots, splitAndSort));
    if (walked ? order.front() != splitAndSort.front() || !goesOnceRound(inOrder(spots, order), 1) : order != splitAndSort)
        std::abort();
    return 0;
}
