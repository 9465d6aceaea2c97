#include "BoardFixture.h"
#include "geometry/ContourOrder.h"
#include "platform/Conversions.h"

#include <QRandomGenerator>
#include <QtTest>

#include <utility>
#include <vector>

namespace {

using Row = std::pair<QString, QString>; // X text, Y text
using TextRows = std::vector<Row>;

// The ordering done the long way, by repeated scans over text rows: the
// first row with the greatest Y gives Xn; rows with X <= Xn go up by
// decreasing Y, the others down by increasing Y; a tie goes to the earlier
// row.
TextRows ScanOrder(TextRows rows)
{
    const auto x = [](const Row &row) { return Val(row.first); };
    const auto y = [](const Row &row) { return Val(row.second); };
    TextRows a, b, ordered;
    if (!rows.empty()) {
        size_t start = 0;
        for (size_t r = 0; r < rows.size(); ++r)
            if (y(rows[r]) > y(rows[start]))
                start = r;
        const double xn = x(rows[start]);
        for (const Row &row : rows)
            (x(row) <= xn ? a : b).push_back(row);
    }
    const auto drain = [&](TextRows &set, bool greatestFirst) {
        while (!set.empty()) {
            size_t k = 0;
            for (size_t r = 0; r < set.size(); ++r)
                if (greatestFirst ? y(set[r]) > y(set[k]) : y(set[r]) < y(set[k]))
                    k = r;
            ordered.push_back(set[k]);
            set.erase(set.begin() + k);
        }
    };
    drain(a, true);
    drain(b, false);
    return ordered;
}

QString Join(const TextRows &rows)
{
    QStringList pairs;
    for (const Row &row : rows)
        pairs << row.first + u',' + row.second;
    return pairs.join(u' ');
}

} // namespace

class TestContourOrder : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void leavesTheRestOfTheBoard();
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
    QTest::newRow("ties keep list order") << "0,100 100,100 80,0 20,0" << "0,100 80,0 20,0 100,100";
    QTest::newRow("X equal to Xn is on the left") << "50,100 90,20 50,60" << "50,100 50,60 90,20";
    QTest::newRow("duplicates") << "10,50 30,90 10.0,50 60,40 10,50"
                                << "30,90 10,50 10.0,50 10,50 60,40";
    QTest::newRow("point inside the hull") << "0,100 100,100 100,0 0,0 50,50"
                                           << "0,100 0,0 100,0 50,50 100,100";
    QTest::newRow("texts moved unchanged") << "12.5,30 40,007 3,1e1 x,20"
                                           << "12.5,30 x,20 3,1e1 40,007";
}

void TestContourOrder::order()
{
    QFETCH(QString, rows);
    QFETCH(QString, expected);
    Board board;
    StartBoard(board);
    SetRows(board, rows);

    OrderContour(board);
    QCOMPARE(Rows(board), expected);

    OrderContour(board); // its own result is already in order
    QCOMPARE(Rows(board), expected);
}

void TestContourOrder::leavesTheRestOfTheBoard()
{
    Board board;
    StartBoard(board);
    SetRows(board, "200,40 60,120 340,100 120,190 280,180");
    board.List1[2].SetListIndex(3);
    board.Closed = true;
    board.Text1.SetText(QStringLiteral("отчет"));
    for (ListBox &scratch : board.List2)
        scratch.AddItem(QStringLiteral("999"));
    const QImage canvas = board.Picture1.Image();

    OrderContour(board);

    QCOMPARE(Texts(board.List1[2]), Numbers(5));
    QCOMPARE(board.List1[2].ListIndex(), 3);
    QCOMPARE(board.List1[0].ListIndex(), -1);
    QCOMPARE(board.List1[1].ListIndex(), -1);
    for (const ListBox &scratch : board.List2)
        QCOMPARE(scratch.ListCount(), 0);
    QCOMPARE(board.PointCount, 5);
    QCOMPARE(board.Closed, true);
    QCOMPARE(board.Text1.Text(), QStringLiteral("отчет"));
    QCOMPARE(board.Picture1.Image(), canvas);
}

// Small coordinate ranges give many ties, duplicates and equal X.
void TestContourOrder::matchesRepeatedScans()
{
    Board board;
    StartBoard(board);
    for (quint32 seed = 1; seed <= 400; ++seed) {
        QRandomGenerator random(seed);
        const int n = random.bounded(41);
        const int range = 1 + random.bounded(8);
        TextRows rows;
        for (int i = 0; i < n; ++i)
            rows.emplace_back(QString::number(random.bounded(range)), QString::number(random.bounded(range)));
        SetRows(board, Join(rows));

        OrderContour(board);

        const QByteArray context = "seed " + QByteArray::number(seed) + ": " + Join(rows).toUtf8();
        QVERIFY2(Rows(board) == Join(ScanOrder(rows)), context.constData());
        QVERIFY2(board.List1[1].ListCount() == n, context.constData());
    }
}

QTEST_MAIN(TestContourOrder)
#include "tst_contourorder.moc"
