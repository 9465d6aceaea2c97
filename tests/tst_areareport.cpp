// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AreaReport.h"
#include "ContourWarning.h"
#include "Fan.h"
#include "FanWorking.h"
#include "LinedText.h"
#include "PupilsExercise.h"
#include "ReportLayout.h"

#include <QLocale>
#include <QPointF>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <functional>
#include <optional>
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

// The value of a formula as the working writes it, with a decimal point:
// numbers, + − · / ( ) √ ² ½, a number before √ its factor; none for
// anything else, such as a letter. Read afresh, as with a calculator.
std::optional<double> valueOf(QString text)
{
    text.remove(u' ');
    qsizetype at = 0;
    bool read = true;
    const auto next = [&](QChar c) { return at < text.size() && text[at] == c; };
    const auto take = [&](QChar c) { return next(c) && ++at; };
    std::function<double()> sum, product, atom;
    atom = [&]() -> double {
        if (take(u'−'))
            return -atom();
        if (take(u'√'))
            return std::sqrt(atom());
        double value = take(u'½') ? 0.5 : 0;
        if (take(u'(')) {
            value = sum();
            read &= take(u')');
        } else if (value == 0) {
            const qsizetype from = at;
            while (at < text.size() && (text[at].isDigit() || text[at] == u'.'))
                ++at;
            bool number = false;
            value = text.mid(from, at - from).toDouble(&number);
            read &= number;
        }
        while (take(u'²'))
            value *= value;
        return value;
    };
    product = [&] {
        for (double value = atom();;) {
            if (take(u'·') || next(u'√'))
                value *= atom();
            else if (take(u'/'))
                value /= atom();
            else
                return value;
        }
    };
    sum = [&] {
        for (double value = product();;) {
            if (take(u'+'))
                value += product();
            else if (take(u'−'))
                value -= product();
            else
                return value;
        }
    };
    const double value = sum();
    return read && at == text.size() ? std::optional(value) : std::nullopt;
}

// Every "=" between two formulas of numbers holds for the numbers as
// written, every "≈" comes within 0.1 %.
void verifyRelations(const QString &working)
{
    const QRegularExpression relation(QStringLiteral(" [=≈] "));
    for (const QString &line : working.split(u'\n')) {
        const QStringList parts = line.split(relation);
        for (qsizetype i = 0, at = 0; i + 1 < parts.size(); ++i) {
            at += parts[i].size() + 3;
            // The formulas beside the sign, without the words round them.
            const std::optional<double> left = valueOf(parts[i].section(QStringLiteral(": "), -1));
            const std::optional<double> right = valueOf(parts[i + 1].section(u',', 0, 0).section(u':', 0, 0));
            const double size = left && right ? std::max(std::fabs(*left), 1.0) : 0;
            QVERIFY2(!size || std::fabs(*left - *right) <= (line[at - 2] == u'=' ? 1e-15 : 0.001) * size, qPrintable(line));
        }
    }
}

const Points NotConvex{{0, 0}, {10, 0}, {10, 10}, {5, 2}, {0, 10}};

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
    void warning_data();
    void warning();
    void layout_data();
    void layout();
    void closingSide_data();
    void closingSide();
    void vertexMoved_data();
    void vertexMoved();
    void measures_data();
    void measures();
    void working_data();
    void working();
    void workingWithoutNoise_data();
    void workingWithoutNoise();
    void pupilsExercise_data();
    void pupilsExercise();
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
    QTest::newRow("not convex, with its warning") << "en_US" << Points{{0, 0}, {10, 0}, {10, 10}, {5, 2}, {0, 10}}
        << reportOf({"Върхове: 123 с координати: 0,0; 10,0; 10,10",
                     "Страни: a = 10.000; b = 14.142; c = 10.000",
                     "Лице по Херон = 50; Лице ориентирано = 50", "",
                     "Върхове: 134 с координати: 0,0; 10,10; 5,2",
                     "Страни: a = 9.434; b = 5.385; c = 14.142",
                     "Лице по Херон = 15; Лице ориентирано = 15", "",
                     "Върхове: 145 с координати: 0,0; 5,2; 0,10",
                     "Страни: a = 9.434; b = 10.000; c = 5.385",
                     "Лице по Херон = 25; Лице ориентирано = 25", "",
                     "Лице на изпъкналия многоъгълник = 90",
                     "Внимание: връх 4 е вътре в многоъгълника на останалите върхове, затова това не е лицето на "
                     "изпъкнал многоъгълник."});
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
    const QString text = areaReport(fanOf(points), &lineStarts, contourWarning(points));
    QCOMPARE(text, expected);
    QCOMPARE(lineStarts, startsOfLines(expected));
    QCOMPARE(text.capacity(), text.size()); // no room kept beyond the text
    QCOMPARE(areaReport(fanOf(points)) + contourWarning(points), expected);
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

// What the report's last line says of rows that are not a convex polygon
// taken once round; nothing of any other board.
void TestAreaReport::warning_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<QString>("warning");

    const QString inside = QStringLiteral("са вътре в многоъгълника на останалите върхове, затова това не е лицето "
                                          "на изпъкнал многоъгълник.\r\n");
    const Points square{{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    Points crowded = square;
    for (int i = 1; i <= 12; ++i)
        crowded.push_back({double(5 * i), double(3 + 4 * i)});
    QTest::newRow("several inside") << Points{{0, 0}, {50, 50}, {100, 0}, {20, 30}, {70, 60}, {100, 100}, {0, 100}}
                                    << "Внимание: върхове 2, 4 и 5 " + inside;
    QTest::newRow("more than ten inside") << crowded
        << "Внимание: върхове 5, 6, 7, 8, 9, 10, 11, 12, 13, 14 и още 2 " + inside;
    QTest::newRow("twice at one inner place") << Points{{0, 0}, {9, 3}, {30, 0}, {9, 3}, {0, 30}}
                                              << "Внимание: върхове 2 и 4 " + inside;
    const QString outOfOrder = QStringLiteral("Внимание: върховете не са подредени по контура, затова това не е "
                                              "лицето на изпъкнал многоъгълник. „Контур“ ги подрежда.\r\n");
    QTest::newRow("all on the hull, out of order") << Points{{0, 0}, {100, 100}, {100, 0}, {0, 100}} << outOfOrder;
    QTest::newRow("on the side from the first corner, out of order")
        << Points{{0, 0}, {10, 10}, {5, 0}, {10, 0}, {0, 10}} << outOfOrder;
    QTest::newRow("a star round twice") << Points{{100, 0}, {159, 181}, {5, 69}, {195, 69}, {41, 181}} << outOfOrder;
    QTest::newRow("inside, seen at the turn at vertex 1") << Points{{140, 140}, {200, 0}, {200, 200}, {0, 200}}
        << QStringLiteral("Внимание: връх 1 е вътре в многоъгълника на останалите върхове, затова това не е "
                          "лицето на изпъкнал многоъгълник.\r\n");
    QTest::newRow("once round, sides and repeats")
        << Points{{0, 0}, {50, 0}, {100, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 50}} << QString();
    QTest::newRow("once round the other way") << Points{{0, 100}, {100, 100}, {100, 0}, {0, 0}} << QString();
    QTest::newRow("all on one line") << Points{{0, 0}, {20, 10}, {10, 5}, {40, 20}} << QString();
    QTest::newRow("two vertices") << Points{{0, 0}, {10, 10}} << QString();
}

void TestAreaReport::warning()
{
    QFETCH(Points, points);

    QTEST(contourWarning(points), "warning");
}

// Each part of the report opens where its layout says, which the marks and
// what a screen reader hears rely on.
void TestAreaReport::layout_data()
{
    QTest::addColumn<Points>("points");

    QTest::newRow("one block and the total") << RightTriangle;
    QTest::newRow("blocks, the total and the warning") << NotConvex;
    QTest::newRow("out of order: the warning") << Points{{0, 0}, {100, 100}, {100, 0}, {0, 100}};
    QTest::newRow("two vertices: the total alone") << Points{{10, 20}, {50, 20}};
}

void TestAreaReport::layout()
{
    QFETCH(Points, points);
    const QString openings[] = {QStringLiteral("Върхове: 1"), QStringLiteral("Лице на изпъкналия многоъгълник = "),
                                QStringLiteral("Внимание: ")};

    const QString warning = contourWarning(points);
    const int triangles = int(fanOf(points).triangles.size());
    LinedText report;
    report.text = areaReport(fanOf(points), &report.lineStarts, warning);

    QCOMPARE(report.lineCount(), reportLineCount(triangles, !warning.isEmpty()));
    for (int line = 0; line < report.lineCount(); ++line) {
        const ReportPart part = reportPartAt(line, triangles);
        const bool opens = firstLineOf(part, triangles) == line;
        QVERIFY2(report.lineContent(line).startsWith(openings[part.kind]) == opens, qPrintable(QString::number(line)));
    }
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

// Every vertex in turn moved to `to`: the fan and the report made from
// those before are, to the last bit and byte, those made afresh.
void TestAreaReport::vertexMoved_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<Point>("to");

    const Points pentagon{{100, 20}, {180, 80}, {150, 170}, {50, 170}, {20, 80}};
    QTest::newRow("a pentagon, inward: the warning comes") << pentagon << Point{100, 100};
    QTest::newRow("a pentagon, outward") << pentagon << Point{300, 190};
    QTest::newRow("not convex, back out: the warning goes") << NotConvex << Point{13, 13};
    QTest::newRow("a triangle") << RightTriangle << Point{45, 45};
    QTest::newRow("two vertices: the total alone") << Points{{10, 20}, {50, 20}} << Point{0, 0};
    QRandomGenerator random(40);
    Points many(60);
    for (Point &p : many)
        p = {double(random.bounded(463)), double(random.bounded(196))};
    QTest::newRow("sixty at random") << many << Point{231, 97};
}

void TestAreaReport::vertexMoved()
{
    QFETCH(Points, points);
    QFETCH(Point, to);
    for (size_t row = 0; row < points.size(); ++row) {
        Fan fan = fanOf(points);
        LinedText before;
        before.text = areaReport(fan, &before.lineStarts, contourWarning(points));
        Points moved = points;
        moved[row] = to;

        const LinedText after = areaReportAfter(before, fan, refanAfterMove(fan, moved, int(row)), contourWarning(moved));

        const Fan fresh = fanOf(moved);
        QVERIFY(fan.total == fresh.total && fan.closingFrom == fresh.closingFrom && fan.closingTo == fresh.closingTo);
        LinedText expected;
        expected.text = areaReport(fresh, &expected.lineStarts, contourWarning(moved));
        QCOMPARE(after.text, expected.text);
        QCOMPARE(after.lineStarts, expected.lineStarts);
    }
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

void TestAreaReport::working_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Points>("points");
    QTest::addColumn<int>("block"); // a triangle, counted from 0; the count of triangles for the total
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("D negative, decimal point") << "en_US" << NotConvex << 1 << QStringList{
            "Триъгълник 2 от 3: върхове 1, 3 и 4 (в отчета „Върхове: 134“)",
            "",
            "Върхове",
            "  A = връх 1 = (0; 0)",
            "  B = връх 3 = (10; 10)",
            "  C = връх 4 = (5; 2)",
            "",
            "Страни: разстоянието между два върха",
            "  a = BC = √((xB − xC)² + (yB − yC)²) = √((10 − 5)² + (10 − 2)²) = √(25 + 64) = √89 ≈ 9.434",
            "  b = AC = √((xA − xC)² + (yA − yC)²) = √((0 − 5)² + (0 − 2)²) = √(25 + 4) = √29 ≈ 5.385",
            "  c = AB = √((xA − xB)² + (yA − yB)²) = √((0 − 10)² + (0 − 10)²) = √(100 + 100) = √200 = 10√2 ≈ 14.142",
            "",
            "Лице по Херон, с полупериметъра p",
            "  p = (a + b + c) / 2 ≈ (9.434 + 5.385 + 14.142) / 2 ≈ 14.481",
            "  S = √(p(p − a)(p − b)(p − c)) ≈ √(14.481 · 5.047 · 9.095 · 0.339) ≈ √225 = 15",
            "  (Страните, p и множителите тук са закръглени; точното лице под корена идва от целите числа в проверката по-долу.)",
            "",
            "Лице ориентирано, по координатите на върховете",
            "  D = ½·(xA·yB + yA·xC + xB·yC − xC·yB − yC·xA − xB·yA)",
            "    = ½·(0·10 + 0·5 + 10·2 − 5·10 − 2·0 − 10·0)",
            "    = ½·(0 + 0 + 20 − 50 − 0 − 0)",
            "    = ½·(−30) = −15",
            "  D < 0: обходът A → B → C е обратно на часовниковата стрелка (на платното оста Y сочи надолу).",
            "  Лицето е |D| = 15: знакът на D показва само посоката на обхода, а лице не може да е отрицателно.",
            "",
            "Проверка с цели числа: 16·S² = 4a²b² − (a² + b² − c²)² = 4·89·29 − (89 + 29 − 200)² = 10324 − 6724 = 3600 = (4·15)², затова S = |D| = 15 точно.",
            "Проверка: S − |D| = 15 − 15 = 0: двете формули дават едно и също лице.",
            "",
            "D има обратния знак на сбора на всички D (60): триъгълникът е обходен в обратна посока спрямо многоъгълника. Отчетът прибавя неговото |D|, а сборът на D, всяко със своя знак, го изважда; затова лицето в отчета се различава от този сбор.",
            "",
            "Сбор на |D| до този триъгълник: 50 + 15 = 65"};
    // Heron's area comes out just below 4000.
    QTest::newRow("decimal comma") << "bg_BG" << Points{{20, 10}, {120, 10}, {150, 90}, {60, 130}} << 0 << QStringList{
            "Триъгълник 1 от 2: върхове 1, 2 и 3 (в отчета „Върхове: 123“)",
            "",
            "Върхове",
            "  A = връх 1 = (20; 10)",
            "  B = връх 2 = (120; 10)",
            "  C = връх 3 = (150; 90)",
            "",
            "Страни: разстоянието между два върха",
            "  a = BC = √((xB − xC)² + (yB − yC)²) = √((120 − 150)² + (10 − 90)²) = √(900 + 6400) = √7300 = 10√73 ≈ 85,440",
            "  b = AC = √((xA − xC)² + (yA − yC)²) = √((20 − 150)² + (10 − 90)²) = √(16900 + 6400) = √23300 = 10√233 ≈ 152,643",
            "  c = AB = √((xA − xB)² + (yA − yB)²) = √((20 − 120)² + (10 − 10)²) = √(10000 + 0) = √10000 = 100,000",
            "",
            "Лице по Херон, с полупериметъра p",
            "  p = (a + b + c) / 2 ≈ (85,440 + 152,643 + 100,000) / 2 ≈ 169,042",
            "  S = √(p(p − a)(p − b)(p − c)) ≈ √(169,042 · 83,602 · 16,398 · 69,042) ≈ √16000000 = 4000",
            "  (Страните, p и множителите тук са закръглени; точното лице под корена идва от целите числа в проверката по-долу.)",
            "",
            "Лице ориентирано, по координатите на върховете",
            "  D = ½·(xA·yB + yA·xC + xB·yC − xC·yB − yC·xA − xB·yA)",
            "    = ½·(20·10 + 10·150 + 120·90 − 150·10 − 90·20 − 120·10)",
            "    = ½·(200 + 1500 + 10800 − 1500 − 1800 − 1200)",
            "    = ½·8000 = 4000",
            "  D > 0: обходът A → B → C е по посока на часовниковата стрелка (на платното оста Y сочи надолу).",
            "  Лицето е |D| = 4000: знакът на D показва само посоката на обхода, а лице не може да е отрицателно.",
            "",
            "Проверка с цели числа: 16·S² = 4a²b² − (a² + b² − c²)² = 4·7300·23300 − (7300 + 23300 − 10000)² = 680360000 − 424360000 = 256000000 = (4·4000)², затова S = |D| = 4000 точно.",
            "Проверка: S − |D| = 4000 − 4000 = 0: двете формули дават едно и също лице.",
            "",
            "Сбор на |D| до този триъгълник: 0 + 4000 = 4000"};
    QTest::newRow("the total") << "en_US" << NotConvex << 3 << QStringList{
            "Лице на изпъкналия многоъгълник: сборът на |D| на триъгълниците с общ връх 1 (3 триъгълника)",
            "  = 50 + 15 + 25",
            "  = 90",
            "",
            "Сборът на всички D, всяко със своя знак",
            "  = 50 + (−15) + 25",
            "  = 60",
            "Сборът е положителен: обходът на многоъгълника е по посока на часовниковата стрелка (на платното оста Y сочи надолу).",
            "Когато страните на многоъгълника не се пресичат, лицето му е абсолютната стойност на този сбор (формулата на Гаус): |60| = 60.",
            "Двата сбора се различават (90 и 60), защото отчетът прибавя |D| на всеки триъгълник, а сборът на D изважда тези, които са обходени в обратна посока (1 от 3)."};
    // The rows of each line that the roots' rounding makes: Heron's exact
    // value under its root, the report's digits in the check alone.
    QTest::newRow("Heron's last digit, no noise") << "en_US" << Points{{170, 107}, {300, 147}, {249, 153}} << 0
        << QStringList{"S = √(p(p − a)(p − b)(p − c)) ≈ √(139.392 · 88.040 · 47.975 · 3.377) ≈ √1988100 = 1410\n",
                       "Проверка: S − |D| = 1410.00000000001 − 1410 ≈ 0, от закръглянето при корените."};
    QTest::newRow("a thin triangle, why not 400") << "en_US" << Points{{80, 170}, {440, 130}, {190, 160}} << 0
        << QStringList{"множителят p − c ≈ 0.0159 е малък", "от страните 251.794, 110.454 и 362.215 формулата на Херон дава ≈ 407.663, а не 400."};
    QTest::newRow("three on a line") << "en_US" << Points{{0, 0}, {1, 1}, {3, 3}} << 0
        << QStringList{"= 0: A, B и C лежат на една права, затова лицето е 0. Малкото число за S в отчета идва от закръглянето при корените.",
                       "Проверка: |D| = 0, а S е почти 0 само от закръглянето при корените: двете формули дават лице 0."};
}

// The working of a block, line by line, in each decimal convention; with
// a decimal point, its every "=" and "≈" read back.
void TestAreaReport::working()
{
    QFETCH(QString, locale);
    QFETCH(Points, points);
    QFETCH(int, block);
    QLocale::setDefault(QLocale(locale));
    const Fan fan = fanOf(points);

    const QString text = block < int(fan.triangles.size()) ? triangleWorking(fan, block) : totalWorking(fan);

    QVERIFY(text.endsWith(u'\n'));
    if (locale == QLatin1String("en_US"))
        verifyRelations(text);
    QFETCH(QStringList, lines);
    if (lines.size() > 2)
        QCOMPARE(text.chopped(1).split(u'\n'), lines);
    for (const QString &line : lines) // the short rows: parts of lines
        QVERIFY2(text.contains(line), qPrintable(text));
}

void TestAreaReport::workingWithoutNoise_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("decimal point") << "en_US";
    QTest::newRow("decimal comma") << "bg_BG";
}

// Random boards of up to 60 vertices on the canvas, in any order: no
// exponent in any working, and no number with more than three decimals but
// the report's own and small ones of three significant digits.
void TestAreaReport::workingWithoutNoise()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QRandomGenerator random(30);
    const QRegularExpression longNumber(QStringLiteral("[0-9]+[.,][0-9]{4,}"));
    const QRegularExpression small(QStringLiteral("^0[.,]0+[1-9][0-9]{0,2}$"));
    for (int board = 0; board < 300; ++board) {
        Points points(3 + random.bounded(58));
        for (Point &p : points)
            p = {double(random.bounded(463)), double(random.bounded(196))};
        const Fan fan = fanOf(points);
        const QString report = areaReport(fan);
        for (int block = 0; block <= int(fan.triangles.size()); ++block) {
            const QString text = block < int(fan.triangles.size()) ? triangleWorking(fan, block) : totalWorking(fan);
            QVERIFY2(!text.contains(QStringLiteral("E-")) && !text.contains(QStringLiteral("E+")), qPrintable(text));
            for (const QRegularExpressionMatch &found : longNumber.globalMatch(text))
                QVERIFY2(report.contains(found.captured()) || small.match(found.captured()).hasMatch(),
                         qPrintable(found.captured()));
        }
    }
}

// The pupil's exercise from the vertices' list on: each vertex with its
// coordinates, each triangle with blanks, the total's blank.
void TestAreaReport::pupilsExercise_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<QString>("expected");
    const QString blanks = QStringLiteral(". Страни: a = __________ ; b = __________ ; c = __________\r\n"
                                          "Лице по Херон S = __________ ; |D| = __________\r\n");
    QTest::newRow("a triangle") << RightTriangle
        << "Координати на върховете (X; Y):\r\n1:\u00A0(0;\u00A00)   2:\u00A0(30;\u00A00)   3:\u00A0(0;\u00A040)\r\n\r\nВърхове: 1 2 3"
               + blanks + "\r\nЛице на многоъгълника = __________\r\n";
    QTest::newRow("no vertex") << Points{}
        << QStringLiteral("Координати на върховете (X; Y):\r\n\r\nЛице на многоъгълника = __________\r\n");
}

void TestAreaReport::pupilsExercise()
{
    QFETCH(Points, points);
    const QString text = ::pupilsExercise(points);
    QTEST(text.mid(text.indexOf(QStringLiteral("Координати"))), "expected");
}

QTEST_GUILESS_MAIN(TestAreaReport)
#include "tst_areareport.moc"
