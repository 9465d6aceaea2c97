// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContourOrder.h"
#include "ContourWarning.h"
#include "FanCover.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Vertex rows are written "x,y x,y ...".
double xOf(const QString &pair) { return pair.section(u',', 0, 0).toDouble(); }
double yOf(const QString &pair) { return pair.section(u',', 1).toDouble(); }

std::vector<Point> pointsOf(const QStringList &pairs)
{
    std::vector<Point> points;
    for (const QString &pair : pairs)
        points.push_back({xOf(pair), yOf(pair)});
    return points;
}

// The rows in contour order, as they were written.
QStringList ordered(const QStringList &pairs)
{
    QStringList rows;
    for (int i : contourOrder(pointsOf(pairs)))
        rows << (i >= 0 && i < pairs.size() ? pairs[i] : QStringLiteral("(row %1?)").arg(i));
    return rows;
}

// The ordering done the long way, by repeated scans that read every value
// from its text at the moment of the comparison: the first row with the
// greatest Y is the start; rows with X at most the start's go up by
// decreasing Y, the others down by increasing Y; a tie goes to the earlier
// row. Returns the row indices.
QList<int> scanOrder(const QStringList &pairs)
{
    QList<int> left, right, order;
    if (!pairs.isEmpty()) {
        int start = 0;
        for (int r = 0; r < pairs.size(); ++r)
            if (yOf(pairs[r]) > yOf(pairs[start]))
                start = r;
        const double startX = xOf(pairs[start]);
        for (int r = 0; r < pairs.size(); ++r)
            (xOf(pairs[r]) <= startX ? left : right) << r;
    }
    const auto drain = [&](QList<int> &set, bool greatestFirst) {
        while (!set.isEmpty()) {
            int k = 0;
            for (int r = 0; r < set.size(); ++r) {
                const double y = yOf(pairs[set[r]]), best = yOf(pairs[set[k]]);
                if (greatestFirst ? y > best : y < best)
                    k = r;
            }
            order << set.takeAt(k);
        }
    };
    drain(left, true);
    drain(right, false);
    return order;
}

// Twice the area of the polygon through the points in their order.
long long twiceArea(const std::vector<Point> &p)
{
    double sum = 0;
    for (size_t i = 0; i < p.size(); ++i)
        sum += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
    return std::llabs((long long)sum);
}

// A random convex board: the corners of the hull of random points (Andrew's
// monotone chain), whole points on its sides, some points twice, shuffled;
// with each point's place along the boundary.
struct ConvexBoard {
    std::vector<Point> points, corners;
    std::vector<int> place;
    int places = 0;

    explicit ConvexBoard(QRandomGenerator &random)
    {
        std::vector<Point> seeds(3 + random.bounded(12));
        for (Point &p : seeds)
            p = {double(random.bounded(12)), double(random.bounded(12))};
        std::sort(seeds.begin(), seeds.end(), [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
        const auto turn = [](Point a, Point b, Point c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); };
        for (int pass = 0; pass < 2; ++pass, std::reverse(seeds.begin(), seeds.end())) {
            const size_t floor = corners.size();
            for (Point p : seeds) {
                while (corners.size() >= floor + 2 && turn(corners[corners.size() - 2], corners.back(), p) <= 0)
                    corners.pop_back();
                corners.push_back(p);
            }
            corners.pop_back();
        }
        for (size_t i = 0; i < corners.size() && corners.size() >= 3; ++i) {
            const Point a = corners[i], b = corners[(i + 1) % corners.size()];
            const int steps = std::gcd(int(std::abs(b.x - a.x)), int(std::abs(b.y - a.y)));
            for (int k = 0; k < steps; ++k) {
                const int copies = k > 0 && random.bounded(2) ? 0 : random.bounded(5) ? 1 : 2;
                for (int copy = 0; copy < copies; ++copy) {
                    const size_t at = random.bounded(quint32(points.size() + 1));
                    points.insert(points.begin() + at, {a.x + (b.x - a.x) * k / steps, a.y + (b.y - a.y) * k / steps});
                    place.insert(place.begin() + at, places);
                }
                places += copies > 0;
            }
        }
    }

    // Whether the order meets the places in one sense only, each once.
    bool goesOnceRound(const std::vector<int> &order) const
    {
        int forward = 0, backward = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            const int step = (place[order[(i + 1) % order.size()]] - place[order[i]] + places) % places;
            if (step > 1 && step < places - 1)
                return false;
            forward += step == 1;
            backward += step == places - 1;
        }
        return (forward == places && !backward) || (backward == places && !forward);
    }
};

} // namespace

class TestContourOrder : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void matchesRepeatedScans_data();
    void matchesRepeatedScans();
    void convexBoardsGoOnceRound();
};

void TestContourOrder::order_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("expected");

    QTest::newRow("convex pentagon") << "200,40 60,120 340,100 120,190 280,180"
                                     << "120,190 60,120 200,40 340,100 280,180";
    // The left side rises to the right of the start vertex: the split and
    // sort would cross itself; the walk round the boundary does not.
    QTest::newRow("left side rising to the right") << "100,190 150,100 250,10 300,150"
                                                   << "100,190 150,100 250,10 300,150";
    // Every point on the boundary: on sides, and corners placed twice.
    QTest::newRow("boundary only, walked") << "100,190 250,10 300,150 125,145 275,80 250,10 200,170 300,150 200,55 150,100"
                                           << "100,190 125,145 150,100 200,55 250,10 250,10 275,80 300,150 300,150 200,170";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("one vertex") << "5,7" << "5,7";
    QTest::newRow("two vertices") << "10,20 30,40" << "30,40 10,20";
    QTest::newRow("two vertices, same Y") << "30,40 10,40" << "30,40 10,40";
    QTest::newRow("lowest side, left end first") << "0,100 100,100 20,0 80,0"
                                                 << "0,100 20,0 80,0 100,100";
    QTest::newRow("lowest side, right end first") << "100,100 0,100 20,0 80,0"
                                                  << "100,100 0,100 20,0 80,0";
    QTest::newRow("top side entered right end first") << "0,100 100,100 80,0 20,0" << "0,100 20,0 80,0 100,100";
    QTest::newRow("rectangle entered bottom-right first") << "100,50 0,50 100,0 0,0" << "100,50 0,50 0,0 100,0";
    QTest::newRow("rectangle with side midpoints") << "0,0 100,0 100,50 0,50 0,25 100,25"
                                                   << "100,50 0,50 0,25 0,0 100,0 100,25";
    QTest::newRow("duplicate corner, walked") << "30,90 70,20 10,40 70,20" << "30,90 10,40 70,20 70,20";
    QTest::newRow("not convex: split and sort") << "0,100 50,0 100,100 50,60" << "0,100 50,0 50,60 100,100";
    QTest::newRow("X equal to the start's is on the left") << "50,100 90,20 50,60" << "50,100 50,60 90,20";
    QTest::newRow("duplicates") << "10,50 30,90 10.0,50 60,40 10,50"
                                << "30,90 10,50 10.0,50 10,50 60,40";
    QTest::newRow("point inside the hull") << "0,100 100,100 100,0 0,0 50,50"
                                           << "0,100 0,0 100,0 50,50 100,100";
    // Not in convex position, seen only at the turn after the last place.
    QTest::newRow("a turn the other way at the wrap") << "0,19 2,16 4,12 14,0" << "0,19 14,0 4,12 2,16";
    // A point inside, seen only at the turn from the last place to the first.
    QTest::newRow("inside, found at the wrap") << "0,0 0,0 80,70 20,0 40,0 100,90"
                                               << "100,90 80,70 0,0 0,0 20,0 40,0";
}

void TestContourOrder::order()
{
    QFETCH(QString, rows);
    QFETCH(QString, expected);

    const QStringList once = ordered(rows.split(u' ', Qt::SkipEmptyParts));
    QCOMPARE(once.join(u' '), expected);
    QCOMPARE(ordered(once).join(u' '), expected); // its own result is already in order
}

// Small coordinate ranges give many ties, duplicates and equal X.
void TestContourOrder::matchesRepeatedScans_data()
{
    QTest::addColumn<QString>("rows");

    for (quint32 seed = 1; seed <= 400; ++seed) {
        QRandomGenerator random(seed);
        const int n = random.bounded(41);
        const int range = 1 + random.bounded(8);
        QStringList pairs;
        for (int i = 0; i < n; ++i)
            pairs << QStringLiteral("%1,%2").arg(random.bounded(range)).arg(random.bounded(range));
        QTest::addRow("seed %u", seed) << pairs.join(u' ');
    }
}

void TestContourOrder::matchesRepeatedScans()
{
    QFETCH(QString, rows);
    const QStringList pairs = rows.split(u' ', Qt::SkipEmptyParts);

    const std::vector<int> order = splitAndSortOrder(pointsOf(pairs));

    QCOMPARE(QList<int>(order.begin(), order.end()), scanOrder(pairs));
}

// The area of every convex board is its hull's, its fan covers no pixel
// twice; where the split and sort
// already went once round, its rows stand; a second run changes nothing.
void TestContourOrder::convexBoardsGoOnceRound()
{
    for (quint32 seed = 1; seed <= 600; ++seed) {
        QRandomGenerator random(seed);
        const ConvexBoard board(random);
        if (board.points.empty())
            continue;
        const std::vector<int> order = contourOrder(board.points);
        std::vector<Point> reordered;
        for (int i : order)
            reordered.push_back(board.points[i]);
        const std::vector<int> splitAndSort = splitAndSortOrder(board.points);
        const QByteArray row = QByteArray::number(seed);
        QVERIFY2(twiceArea(reordered) == twiceArea(board.corners), row);
        QVERIFY2(contourWarning(reordered).isEmpty(), row);
        const FanCover cover(fanOf(reordered), 12, 12); // no pixel counted twice
        for (int pixel = 0; pixel < 144; ++pixel)
            QVERIFY2(cover.countAt(pixel % 12, pixel / 12) <= 1, row);
        QVERIFY2(order == splitAndSort || !board.goesOnceRound(splitAndSort), row);
        const std::vector<int> again = contourOrder(reordered);
        QVERIFY2(std::is_sorted(again.begin(), again.end()), row); // every row where it was
    }
}

QTEST_GUILESS_MAIN(TestContourOrder)
#include "tst_contourorder.moc"

