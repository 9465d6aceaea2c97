// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice's checker, field by field, and the numbered tasks.
#include "ContourOrder.h"
#include "ContourProblem.h"
#include "IntegerVector.h"
#include "PracticeCheck.h"
#include "TaskPolygon.h"

#include <QLocale>
#include <QTest>

using Practice::Hint;
using Practice::Verdict;

namespace {

// The canvas's inner area, where a task's vertices stand.
constexpr int CanvasWidth = 463;
constexpr int CanvasHeight = 196;

std::vector<Point> pointsOf(const QString &rows)
{
    std::vector<Point> points;
    for (const QString &row : rows.split(u' ', Qt::SkipEmptyParts))
        points.push_back({row.section(u',', 0, 0).toDouble(), row.section(u',', 1, 1).toDouble()});
    return points;
}

// In contour order; its first triangle has a = √9700 = 98.4886…, b = √22100,
// c = √10600 and |D| = 5050, the total is 18800.
const QString Pentagon = QStringLiteral("150,170 60,120 100,30 200,20 260,100");
// Triangles of 200 square pixels, below which 0.1 % is less than 0.5.
const QString Square = QStringLiteral("0,0 20,0 20,20 0,20");
// A thin triangle, 400 square pixels: its sides with three decimals,
// 251.794, 110.454 and 362.215, give 407.663 by Heron's formula.
const QString Thin = QStringLiteral("80,170 440,130 190,160");

} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void checked_data();
    void checked();
    void solutionIsRight_data();
    void solutionIsRight();
    void sameVariantSameBoard_data();
    void sameVariantSameBoard();
    void everyVariantIsATask();
};

void TestPractice::checked_data()
{
    QTest::addColumn<QString>("polygon");
    QTest::addColumn<int>("field"); // of the first triangle; FieldsPerTriangle: the total
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("hint");
    QTest::addColumn<int>("detail");
    QTest::addColumn<QString>("sides"); // typed beside it, if any
    const int right = Verdict::Right, wrong = Verdict::Wrong;
    const int a = Practice::SideA, heron = Practice::Heron, d = Practice::Determinant;
    const int total = Practice::FieldsPerTriangle;
    const auto row = [&](const char *name, const QString &polygon, int field, const QString &typed, int result,
                         Hint hint = Hint::None, int detail = -1, const QString &sides = {}) {
        QTest::newRow(name) << polygon << field << typed << result << int(hint) << detail << sides;
    };
    row("a side, three decimals and a point", Pentagon, a, "98.489", right);
    row("a side, three decimals and a comma", Pentagon, a, "98,489", right);
    row("a side, blanks round it", Pentagon, a, " 98,489 ", right);
    row("a side 0.0004 off", Pentagon, a, "98.4882", right);
    row("a side 0.0006 off", Pentagon, a, "98.4880", wrong, Hint::Rounding);
    row("a side with two decimals", Pentagon, a, "98,49", wrong, Hint::Rounding);
    row("another side's length", Pentagon, a, "148,661", wrong, Hint::OtherSide, Practice::SideB);
    row("the squares' sum, no root", Pentagon, a, "9700", wrong, Hint::SquareRoot);
    row("X's difference 30 for 40", Pentagon, a, "94,868", wrong, Hint::XDifference);
    row("empty", Pentagon, a, "  ", Verdict::Empty);
    row("a letter", Pentagon, a, "98,4a9", wrong, Hint::NotANumber);
    row("two separators", Pentagon, a, "98,48.9", wrong, Hint::NotANumber);
    row("Heron within 0.1 %", Pentagon, heron, "5055", right);
    row("Heron beyond 0.1 %", Pentagon, heron, "5044,9", wrong, Hint::HeronFactors);
    row("Heron within 0.5", Square, heron, "200,5", right);
    row("Heron beyond 0.5", Square, heron, "199,4", wrong, Hint::HeronFactors);
    row("Heron's product, no root", Square, heron, "40000", wrong, Hint::SquareRoot);
    row("|D| exact", Pentagon, d, "5050", right);
    row("|D| off by ½", Pentagon, d, "5050,5", wrong, Hint::DeterminantTerms);
    row("|D| rounded", Pentagon, d, "5050,2", wrong, Hint::NotHalf);
    row("D with its sign", Pentagon, d, "-5050", wrong, Hint::Sign);
    row("D without the ½", Pentagon, d, "10100", wrong, Hint::Half);
    row("D without x1·y2", Pentagon, d, "3950", wrong, Hint::DeterminantTerm, 0);
    row("the total", Pentagon, total, "18800", right);
    row("the total off by ½", Pentagon, total, "18799.5", wrong, Hint::Sum);
    row("the total without triangle 1", Pentagon, total, "13750", wrong, Hint::TriangleOnceEach, 0);
    row("the total with triangle 1 twice", Pentagon, total, "23850", wrong, Hint::TriangleOnceEach, 0);
    row("the total rounded", Pentagon, total, "18800,2", wrong, Hint::NotHalf);
    row("a plus sign", Pentagon, d, "+5050", right);
    row("a side with the working's minus", Pentagon, a, "−98,489", wrong, Hint::Sign);
    row("Heron's area negative", Pentagon, heron, "-5050", wrong, Hint::Sign);
    row("Heron from one wrong side", Pentagon, heron, "4843,449", wrong, Hint::FromWrongSides, -1, "94,868 148,661 102,956");
    row("a thin triangle from rounded sides", Thin, heron, "407,663", right);
    row("a thin triangle's area off", Thin, heron, "420", wrong, Hint::HeronFactors);
}

void TestPractice::checked()
{
    QFETCH(QString, polygon);
    QFETCH(int, field);
    QFETCH(QString, typed);
    const Fan fan = fanOf(pointsOf(polygon));
    Practice::Answers answers;
    answers.triangles.resize(fan.triangles.size());
    QFETCH(QString, sides);
    for (int side = 0; side < 3 && !sides.isEmpty(); ++side)
        answers.triangles[0][size_t(side)] = sides.section(u' ', side, side);
    (field == Practice::FieldsPerTriangle ? answers.total : answers.triangles[0][size_t(field)]) = typed;

    const Practice::Marks marks = Practice::check(fan, answers);

    const Verdict verdict = field == Practice::FieldsPerTriangle ? marks.total : marks.triangles[0][size_t(field)];
    QTEST(int(verdict.result), "result");
    QTEST(int(verdict.hint), "hint");
    QTEST(verdict.detail, "detail");
    QCOMPARE(marks.fields, 5 * int(fan.triangles.size()) + 1);
    if (sides.isEmpty())
        QCOMPARE(marks.right, int(verdict.result == Verdict::Right));
}

void TestPractice::solutionIsRight_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("polygon");
    QTest::addColumn<QString>("first"); // triangle's answers: a|b|c|S|D
    QTest::newRow("a point") << "C" << Pentagon << "98.489|148.661|102.956|5050.000|5050";
    QTest::newRow("a comma") << "bg_BG" << Pentagon << "98,489|148,661|102,956|5050,000|5050";
    QTest::newRow("a nearly flat triangle") << "bg_BG" << "0,0 1000,1 2000,3" << "1000,002|2000,002|1000,000|500,000|500";
    QTest::newRow("a thin triangle") << "C" << Thin << "251.794|110.454|362.215|400.000|400";
}

// "Покажи решението" fills in the answers as a pupil writes them: every one
// right.
void TestPractice::solutionIsRight()
{
    QFETCH(QString, locale);
    QFETCH(QString, polygon);
    QLocale::setDefault(QLocale(locale));
    const Fan fan = fanOf(pointsOf(polygon));
    const Practice::Answers solution = Practice::solution(fan);
    QTEST(QStringList(solution.triangles[0].begin(), solution.triangles[0].end()).join(u'|'), "first");
    const Practice::Marks marks = Practice::check(fan, solution);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(marks.right, marks.fields);
}

// A variant of each count of vertices, with its board on the pupils' sheets.
void TestPractice::sameVariantSameBoard_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("board");
    QTest::newRow("3 vertices") << 8 << "300,170 150,100 440,20";
    QTest::newRow("4 vertices") << 2097 << "390,160 140,110 40,40 440,50";
    QTest::newRow("5 vertices") << 1234 << "140,130 30,40 300,50 410,70 380,120";
    QTest::newRow("6 vertices") << 6235 << "130,150 20,130 150,40 270,70 370,100 400,130";
    QTest::newRow("7 vertices") << 44 << "320,160 160,140 40,100 30,40 290,60 350,70 390,100";
    QTest::newRow("8 vertices") << 45 << "70,160 40,120 60,60 220,20 330,30 420,40 300,110 210,150";
    QTest::newRow("9 vertices") << 6 << "260,170 200,160 110,120 70,100 20,40 100,50 250,80 310,110 290,150";
    QTest::newRow("10 vertices") << 9999 << "100,170 30,100 100,50 130,40 250,30 310,40 440,70 410,100 370,130 190,160";
}

void TestPractice::sameVariantSameBoard()
{
    QFETCH(int, variant);
    QFETCH(QString, board);
    QVERIFY(Task::polygon(variant, CanvasWidth, CanvasHeight) == Task::polygon(variant, CanvasWidth, CanvasHeight));
    // A change of the generator shows here: the variant's board on every
    // computer, and on the sheets already printed.
    QVERIFY(Task::polygon(variant, CanvasWidth, CanvasHeight) == pointsOf(board));
}

// Every variant: its count of vertices, in contour order, convex, on the
// grid inside the canvas, no three on a line, none too close, no small
// triangle in the fan and none that Heron's formula on three-decimal sides
// gets more than 0.1 % wrong, at least a third of the rectangle round it.
void TestPractice::everyVariantIsATask()
{
    for (int variant = Task::FirstVariant; variant <= Task::LastVariant; ++variant) {
        const std::vector<Point> points = Task::polygon(variant, CanvasWidth, CanvasHeight);
        const QByteArray which = QByteArray::number(variant);
        QCOMPARE(int(points.size()), 3 + variant % 8);
        const std::vector<int> order = contourOrder(points);
        QVERIFY2(std::is_sorted(order.begin(), order.end()) && contourProblem(points).isEmpty(), which);
        std::vector<IntegerVector> v;
        for (Point p : points) {
            QVERIFY2(p.x >= 10 && p.x < CanvasWidth - 10 && p.y >= 10 && p.y < CanvasHeight - 10, which);
            QVERIFY2(std::fmod(p.x, 10) == 0 && std::fmod(p.y, 10) == 0, which);
            v.push_back({std::int64_t(p.x), std::int64_t(p.y)});
        }
        const size_t n = v.size();
        const auto turn = [&](size_t i) { return cross(v[(i + 1) % n] - v[i], v[(i + 2) % n] - v[(i + 1) % n]); };
        for (size_t i = 0; i < n; ++i) {
            QVERIFY2(turn(i) != 0 && (turn(i) > 0) == (turn(0) > 0), which); // every corner a turn the same way
            for (size_t j = i + 1; j < n; ++j) {
                QVERIFY2(dot(v[j] - v[i], v[j] - v[i]) >= 900, which);
                for (size_t k = j + 1; k < n; ++k)
                    QVERIFY2(cross(v[j] - v[i], v[k] - v[i]) != 0, which);
            }
        }
        std::int64_t doubled = 0;
        const auto thousandths = [](IntegerVector d) { return std::llround(std::sqrt(double(dot(d, d))) * 1000); };
        for (size_t k = 2; k < n; ++k) {
            const std::int64_t twice = std::abs(cross(v[k - 1] - v[0], v[k] - v[0]));
            QVERIFY2(twice >= 800, which);
            const std::int64_t a = thousandths(v[k] - v[k - 1]), b = thousandths(v[k] - v[0]), c = thousandths(v[k - 1] - v[0]);
            // Heron's area as a pupil works it in thousandths: with p from
            // the sides, and with p rounded, half up, and its factors from it.
            for (std::int64_t p : {a + b + c, (a + b + c + 1) / 2 * 2}) // twice p
                QVERIFY2(std::fabs(std::sqrt(double(p) * double(p - 2 * a) * double(p - 2 * b) * double(p - 2 * c)) / 4e6
                                   - twice / 2.0) <= twice / 2000.0, which);
            doubled += twice;
        }
        const auto [left, right] = std::minmax_element(v.begin(), v.end(), [](auto p, auto q) { return p.x < q.x; });
        const auto [top, bottom] = std::minmax_element(v.begin(), v.end(), [](auto p, auto q) { return p.y < q.y; });
        QVERIFY2(3 * doubled >= 2 * (right->x - left->x) * (bottom->y - top->y), which);
    }
}

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
