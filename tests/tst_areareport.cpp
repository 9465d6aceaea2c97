// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AreaReport.h"
#include "Fan.h"

#include <QLocale>
#include <QPointF>
#include <QTest>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(Point)

using Points = std::vector<Point>;

// How QCOMPARE shows a point.
char *toString(const Point &p)
{
    return QTest::toString(QPointF(p.x, p.y));
}

namespace {

// Report lines, each ended by CR LF.
QString reportOf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Where the lines of a text start: at 0, and after every CR LF but a last.
QList<qsizetype> startsOfLines(const QString &text)
{
    QList<qsizetype> starts{0};
    for (qsizetype end = text.indexOf(u"\r\n"); end >= 0 && end + 2 < text.size(); end = text.indexOf(u"\r\n", end + 2))
        starts << end + 2;
    return starts;
}

const Points RightTriangle{{0, 0}, {30, 0}, {0, 40}};

} // namespace

class TestAreaReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void report_data();
    void report();
    void reportParts_data();
    void reportParts();
    void closingSide_data();
    void closingSide();
    void measures_data();
    void measures();
};

void TestAreaReport::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestAreaReport::report_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Points>("points");
    QTest::addColumn<QString>("expected");

    const QString total0 = reportOf({"Лице на изпъкналия многоъгълник = 0"});
    QTest::newRow("right triangle") << "en_US" << RightTriangle
        << reportOf({"Върхове: 123 с координати: 0,0; 30,0; 0,40",
                     "Страни: a = 50.000; b = 40.000; c = 30.000",
                     "Лице по Херон = 600; Лице ориентирано = 600", "",
                     "Лице на изпъкналия многоъгълник = 600"});
    QTest::newRow("right triangle, decimal comma") << "bg_BG" << RightTriangle
        << reportOf({"Върхове: 123 с координати: 0,0; 30,0; 0,40",
                     "Страни: a = 50,000; b = 40,000; c = 30,000",
                     "Лице по Херон = 600; Лице ориентирано = 600", "",
                     "Лице на изпъкналия многоъгълник = 600"});
    QTest::newRow("square") << "en_US" << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}}
        << reportOf({"Върхове: 123 с координати: 0,0; 10,0; 10,10",
                     "Страни: a = 10.000; b = 14.142; c = 10.000",
                     "Лице по Херон = 50; Лице ориентирано = 50", "",
                     "Върхове: 134 с координати: 0,0; 10,10; 0,10",
                     "Страни: a = 10.000; b = 10.000; c = 14.142",
                     "Лице по Херон = 50; Лице ориентирано = 50", "",
                     "Лице на изпъкналия многоъгълник = 100"});
    // Heron's 123 comes out just below 4000 and is written 4000.
    QTest::newRow("rounding to 15 digits") << "en_US" << Points{{20, 10}, {120, 10}, {150, 90}, {60, 130}}
        << reportOf({"Върхове: 123 с координати: 20,10; 120,10; 150,90",
                     "Страни: a = 85.440; b = 152.643; c = 100.000",
                     "Лице по Херон = 4000; Лице ориентирано = 4000", "",
                     "Върхове: 134 с координати: 20,10; 150,90; 60,130",
                     "Страни: a = 98.489; b = 126.491; c = 152.643",
                     "Лице по Херон = 6200; Лице ориентирано = 6200", "",
                     "Лице на изпъкналия многоъгълник = 10200"});
    QTest::newRow("two vertices") << "en_US" << Points{{10, 20}, {50, 20}} << total0;
    QTest::newRow("one vertex") << "en_US" << Points{{10, 20}} << total0;
    QTest::newRow("no vertices") << "en_US" << Points{} << total0;
}

void TestAreaReport::report()
{
    QFETCH(QString, locale);
    QFETCH(Points, points);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));

    QList<qsizetype> lineStarts;
    const QString text = areaReport(fanOf(points), &lineStarts);
    QCOMPARE(text, expected);
    QCOMPARE(lineStarts, startsOfLines(expected));
    QCOMPARE(text.capacity(), text.size()); // no room kept beyond the text
    QCOMPARE(areaReport(fanOf(points)), expected);
}

void TestAreaReport::reportParts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Points>("points");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("not convex: |D| summed") << "en_US" << Points{{0, 0}, {10, 0}, {10, 10}, {5, 2}, {0, 10}}
        << QStringList{"; Лице ориентирано = 50\r\n", "; Лице ориентирано = 15\r\n",
                       "; Лице ориентирано = 25\r\n", "\r\nЛице на изпъкналия многоъгълник = 90\r\n"};
    QTest::newRow("ten vertices") << "en_US"
        << Points{{0, 0}, {40, 0}, {70, 10}, {90, 30}, {100, 60}, {95, 90}, {80, 110}, {50, 120}, {20, 110}, {5, 80}}
        << QStringList{"\r\n\r\nВърхове: 1910 с координати: 0,0; 20,110; 5,80\r\n"};
    // The total sums the determinant's areas, not Heron's.
    QTest::newRow("Heron's last digit") << "en_US" << Points{{170, 107}, {300, 147}, {249, 153}}
        << QStringList{"\r\nЛице по Херон = 1410.00000000001; Лице ориентирано = 1410\r\n",
                       "\r\nЛице на изпъкналия многоъгълник = 1410\r\n"};
    QTest::newRow("Heron's last digit, decimal comma") << "bg_BG" << Points{{170, 107}, {300, 147}, {249, 153}}
        << QStringList{"\r\nЛице по Херон = 1410,00000000001; Лице ориентирано = 1410\r\n"};
    // Heron's product comes out a little below zero for three points on a line.
    QTest::newRow("collinear") << "en_US" << Points{{0, 0}, {1, 3}, {4, 12}, {0, 12}}
        << QStringList{"\r\nЛице по Херон = 0; Лице ориентирано = 0\r\n",
                       "\r\nЛице на изпъкналия многоъгълник = 24\r\n"};
}

void TestAreaReport::reportParts()
{
    QFETCH(QString, locale);
    QFETCH(Points, points);
    QFETCH(QStringList, parts);
    QLocale::setDefault(QLocale(locale));

    const QString text = areaReport(fanOf(points));

    for (const QString &part : parts)
        QVERIFY2(text.contains(part), qPrintable(text));
}

// The side drawn last, which the report does not show.
void TestAreaReport::closingSide_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<Point>("from");
    QTest::addColumn<Point>("to");

    QTest::newRow("no vertices: nothing read is 0") << Points{} << Point{0, 0} << Point{0, 0};
    QTest::newRow("one vertex, to itself") << Points{{10, 20}} << Point{10, 20} << Point{10, 20};
    QTest::newRow("two vertices") << Points{{10, 20}, {50, 20}} << Point{50, 20} << Point{10, 20};
    QTest::newRow("square") << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}} << Point{0, 10} << Point{0, 0};
}

void TestAreaReport::closingSide()
{
    QFETCH(Points, points);

    const Fan fan = fanOf(points);

    QTEST(fan.closingFrom, "from");
    QTEST(fan.closingTo, "to");
}

void TestAreaReport::measures_data()
{
    QTest::addColumn<Point>("A");
    QTest::addColumn<Point>("B");
    QTest::addColumn<Point>("C");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("heron");
    QTest::addColumn<double>("determinant");

    QTest::newRow("clockwise on the canvas") << Point{0, 0} << Point{30, 0} << Point{0, 40}
                                             << 50.0 << 40.0 << 30.0 << 600.0 << 600.0;
    QTest::newRow("anticlockwise") << Point{0, 0} << Point{0, 40} << Point{30, 0}
                                   << 50.0 << 30.0 << 40.0 << 600.0 << -600.0;
    QTest::newRow("collinear") << Point{0, 0} << Point{1, 3} << Point{4, 12}
                               << std::sqrt(90.0) << std::sqrt(160.0) << std::sqrt(10.0) << 0.0 << 0.0;
    QTest::newRow("rounding case") << Point{20, 10} << Point{120, 10} << Point{150, 90}
                                   << std::sqrt(7300.0) << std::sqrt(23300.0) << 100.0 << 4000.0 << 4000.0;
}

void TestAreaReport::measures()
{
    QFETCH(Point, A);
    QFETCH(Point, B);
    QFETCH(Point, C);

    const TriangleMeasures m = measureTriangle(A, B, C);

    QTEST(m.a, "a");
    QTEST(m.b, "b");
    QTEST(m.c, "c");
    QTEST(m.heron, "heron");
    QTEST(m.determinant, "determinant");
}

QTEST_GUILESS_MAIN(TestAreaReport)
#include "tst_areareport.moc"
