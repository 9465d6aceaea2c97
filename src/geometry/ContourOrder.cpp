#include "geometry/ContourOrder.h"

#include "platform/Conversions.h"

#include <algorithm>

namespace {

// The first row with the greatest Y; row 0 of an empty board.
int startRow(const std::vector<Vertex> &vertices)
{
    int start = 0;
    for (int r = 1; r < int(vertices.size()); ++r)
        if (vertices[r].y > vertices[start].y)
            start = r;
    return start;
}

QStringList pick(const QStringList &texts, const std::vector<int> &rows)
{
    QStringList picked;
    picked.reserve(int(rows.size()));
    for (int r : rows)
        picked += texts[r];
    return picked;
}

// Appends every row of a pair of scratch lists to a pair of coordinate lists
// and empties the scratch lists.
void moveBack(ListBox &fromX, ListBox &fromY, ListBox &toX, ListBox &toY)
{
    toX.AddItems(fromX.Items());
    toY.AddItems(fromY.Items());
    fromX.Clear();
    fromY.Clear();
}

} // namespace

Contour ContourOrder(const std::vector<Vertex> &vertices)
{
    Contour contour;
    if (vertices.empty())
        return contour;
    const double xn = vertices[startRow(vertices)].x;
    for (int r = 0; r < int(vertices.size()); ++r)
        (vertices[r].x <= xn ? contour.up : contour.down).push_back(r);

    const auto higher = [&](int a, int b) { return vertices[a].y > vertices[b].y; };
    const auto lower = [&](int a, int b) { return vertices[a].y < vertices[b].y; };
    std::stable_sort(contour.up.begin(), contour.up.end(), higher);
    std::stable_sort(contour.down.begin(), contour.down.end(), lower);
    return contour;
}

void OrderContour(Board &board)
{
    ListBox &xs = board.List1[0];
    ListBox &ys = board.List1[1];
    const QStringList xTexts = xs.Items();
    const QStringList yTexts = ys.Items();
    std::vector<Vertex> vertices(xTexts.size());
    for (int r = 0; r < int(vertices.size()); ++r)
        vertices[r] = {Val(xTexts[r]), Val(yTexts[r])};
    const Contour contour = ContourOrder(vertices);

    // The sets go to the scratch lists and come back as the new rows.
    for (ListBox &scratch : board.List2)
        scratch.Clear();
    board.List2[0].AddItems(pick(xTexts, contour.up));
    board.List2[1].AddItems(pick(yTexts, contour.up));
    board.List2[2].AddItems(pick(xTexts, contour.down));
    board.List2[3].AddItems(pick(yTexts, contour.down));
    xs.Clear();
    ys.Clear();
    moveBack(board.List2[0], board.List2[1], xs, ys);
    moveBack(board.List2[2], board.List2[3], xs, ys);
}
