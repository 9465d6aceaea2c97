// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContourOrder.h"
#include "NumberText.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <vector>

namespace {

// Vertex rows are written "x,y x,y ...", each coordinate a text as the
// vertex lists hold it and read as the program reads it.
double xOf(const QString &pair) { return parseLeadingNumber(pair.section(u',', 0, 0)); }
double yOf(const QString &pair) { return parseLeadingNumber(pair.section(u',', 1)); }

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

} // namespace

class TestContourOrder : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void matchesRepeatedScans_data();
    void matchesRepeatedScans();
};

void TestContourOrder::order_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("expected");

    QTest::newRow("convex pentagon") << "200,40 60,120 340,100 120,190 280,180"
                                     << "120,190 60,120 200,40 340,100 280,180";
    // The left side rises to the right of the start vertex: the path crosses itself.
    QTest::newRow("convex quadrilateral that fails") << "100,190 150,100 250,10 300,150"
                                                     << "100,190 250,10 150,100 300,150";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("one vertex") << "5,7" << "5,7";
    QTest::newRow("two vertices") << "10,20 30,40" << "30,40 10,20";
    QTest::newRow("two vertices, same Y") << "30,40 10,40" << "30,40 10,40";
    QTest::newRow("lowest side, left end first") << "0,100 100,100 20,0 80,0"
                                                 << "0,100 20,0 80,0 100,100";
    QTest::newRow("lowest side, right end first") << "100,100 0,100 20,0 80,0"
                                                  << "100,100 0,100 20,0 80,0";
    QTest::newRow("ties keep row order") << "0,100 100,100 80,0 20,0" << "0,100 80,0 20,0 100,100";
    QTest::newRow("X equal to the start's is on the left") << "50,100 90,20 50,60" << "50,100 50,60 90,20";
    QTest::newRow("duplicates") << "10,50 30,90 10.0,50 60,40 10,50"
                                << "30,90 10,50 10.0,50 10,50 60,40";
    QTest::newRow("point inside the hull") << "0,100 100,100 100,0 0,0 50,50"
                                           << "0,100 0,0 100,0 50,50 100,100";
    QTest::newRow("coordinates read from their texts") << "12.5,30 40,007 3,1e1 x,20"
                                                       << "12.5,30 x,20 3,1e1 40,007";
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

    const std::vector<int> order = contourOrder(pointsOf(pairs));

    QCOMPARE(QList<int>(order.begin(), order.end()), scanOrder(pairs));
}

QTEST_GUILESS_MAIN(TestContourOrder)
#include "tst_contourorder.moc"
