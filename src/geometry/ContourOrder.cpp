#include "geometry/ContourOrder.h"

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

void moveRows(const std::vector<int> &rows, ListBox &fromX, ListBox &fromY, ListBox &toX, ListBox &toY)
{
    for (int r : rows) {
        toX.AddItem(fromX.List(r));
        toY.AddItem(fromY.List(r));
    }
}

void moveAll(ListBox &fromX, ListBox &fromY, ListBox &toX, ListBox &toY)
{
    for (int r = 0, n = fromX.ListCount(); r < n; ++r) {
        toX.AddItem(fromX.List(r));
        toY.AddItem(fromY.List(r));
    }
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
    const int n = xs.ListCount();
    std::vector<Vertex> vertices(n);
    for (int r = 0; r < n; ++r)
        vertices[r] = board.VertexAt(r);
    const Contour contour = ContourOrder(vertices);

    for (ListBox &scratch : board.List2)
        scratch.Clear();
    moveRows(contour.up, xs, ys, board.List2[0], board.List2[1]);
    moveRows(contour.down, xs, ys, board.List2[2], board.List2[3]);
    xs.Clear();
    ys.Clear();
    moveAll(board.List2[0], board.List2[1], xs, ys);
    moveAll(board.List2[2], board.List2[3], xs, ys);
}
