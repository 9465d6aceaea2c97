// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FanWorking.h"

#include "HeronByHand.h"
#include "IntegerVector.h"
#include "NumberText.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

// More terms than this in a sum written out show its first and last ones.
constexpr int MostTermsWritten = 30;
constexpr int EndTermsWritten = 10;
// A difference of the two areas below this is the roots' rounding alone.
constexpr double RoundingAlone = 0.0005;
// Coordinates' differences up to this keep 4a²b² within 64 bits.
constexpr std::int64_t LargestExactDifference = 1 << 14;
// Heron's factors below this are written with three significant digits.
constexpr double SmallFactor = 0.1;

// The working's own numbers: at most three decimals, never an exponent.
QString number(double value)
{
    return roundedNumberText(value, 3);
}

// A number inside a formula: a negative one in brackets.
QString operand(double value)
{
    const QString text = number(value);
    return value < 0 ? u'(' + text + u')' : text;
}

// The report's own values, in the report's form where the working quotes
// them: the coordinates, S, |D| and the sum of |D|.
QString reported(double value)
{
    return standardNumberText(value);
}

QString length(double value)
{
    return fixedDecimalsText(value, 3);
}

// "=" between numbers equal as written, "≈" between a value and its
// rounding.
QString relation(bool equal)
{
    return equal ? QStringLiteral(" = ") : QStringLiteral(" ≈ ");
}

// One of Heron's factors: three decimals, or three significant digits when
// it is small, so that the product of the factors as written comes near
// the one under the root.
QString factor(double value)
{
    if (value <= 0 || value >= SmallFactor)
        return length(value);
    return fixedDecimalsText(value, 2 - int(std::floor(std::log10(value))));
}

// A triangle's squared sides, whole numbers when its coordinates are whole
// and near enough for 4a²b² to be exact.
struct WholeTriangle {
    std::int64_t a2 = 0;
    std::int64_t b2 = 0;
    std::int64_t c2 = 0;
};

std::optional<WholeTriangle> wholeTriangle(const FanTriangle &t)
{
    const std::optional<IntegerVector> A = wholeVector(t.A), B = wholeVector(t.B), C = wholeVector(t.C);
    if (!A || !B || !C)
        return std::nullopt;
    const IntegerVector ab = *B - *A, ac = *C - *A, bc = *C - *B;
    for (const IntegerVector d : {ab, ac, bc})
        if (std::abs(d.x) > LargestExactDifference || std::abs(d.y) > LargestExactDifference)
            return std::nullopt;
    return WholeTriangle{dot(bc, bc), dot(ac, ac), dot(ab, ab)};
}

bool isSquare(std::int64_t n)
{
    const auto root = std::int64_t(std::llround(std::sqrt(double(n))));
    return root * root == n;
}

// √n as k√m with m free of squares: √8125 = 25√13.
std::pair<std::int64_t, std::int64_t> simplifiedRoot(std::int64_t n)
{
    std::int64_t outside = 1, inside = 1;
    for (std::int64_t f = 2; f * f <= n; ++f) {
        int times = 0;
        for (; n % f == 0; n /= f)
            ++times;
        for (int i = 0; i < times / 2; ++i)
            outside *= f;
        if (times % 2)
            inside *= f;
    }
    return {outside, inside * n};
}

// A side's root and its value: "√89 ≈ 9.434", "√8125 = 25√13 ≈ 90.139",
// "√10000 = 100.000".
QString rootAndLength(std::optional<std::int64_t> squared, double sumOfSquares, double value)
{
    if (!squared)
        return QStringLiteral("√%1 ≈ %2").arg(number(sumOfSquares), length(value));
    const auto [outside, inside] = simplifiedRoot(*squared);
    const QString root = QStringLiteral("√%1").arg(*squared);
    if (inside == 1)
        return root + QStringLiteral(" = ") + length(value);
    if (outside == 1)
        return root + QStringLiteral(" ≈ ") + length(value);
    return root + QStringLiteral(" = %1√%2 ≈ %3").arg(outside).arg(inside).arg(length(value));
}

QString coordinates(Point p)
{
    return QStringLiteral("(%1; %2)").arg(reported(p.x), reported(p.y));
}

// "3 триъгълника", "1 триъгълник".
QString triangles(int count)
{
    return count == 1 ? QStringLiteral("1 триъгълник") : QStringLiteral("%1 триъгълника").arg(count);
}

// The sense of a walk, by the sign of its D: the canvas's Y runs downward,
// so a positive D goes round clockwise as the pupil sees it.
QString senseOf(double determinant)
{
    return determinant > 0 ? QStringLiteral("по посока на часовниковата стрелка")
                           : QStringLiteral("обратно на часовниковата стрелка");
}

int signOf(double value)
{
    return (value > 0) - (value < 0);
}

// The sum of every signed D, in the order of the triangles.
double signedTotal(const Fan &fan)
{
    double total = 0;
    for (const FanTriangle &t : fan.triangles)
        total = t.measures.determinant + total;
    return total;
}

// The sum of |D| of the triangles before `index`, added as the total is.
double totalBefore(const Fan &fan, int index)
{
    double total = 0;
    for (int i = 0; i < index; ++i)
        total = std::fabs(fan.triangles[i].measures.determinant) + total;
    return total;
}

// "a = BC = √((xB − xC)² + (yB − yC)²) = √((10 − 5)² + (10 − 2)²) = √(25 + 64) = √89 ≈ 9.434"
QString sideLine(QChar side, std::pair<QChar, Point> from, std::pair<QChar, Point> to, double value,
                 std::optional<std::int64_t> squared)
{
    const Point p = from.second, q = to.second;
    const double dx = p.x - q.x, dy = p.y - q.y;
    return QStringLiteral("  %1 = %2%3 = √((x%2 − x%3)² + (y%2 − y%3)²)").arg(side).arg(from.first).arg(to.first)
           + QStringLiteral(" = √((%1 − %2)² + (%3 − %4)²)").arg(operand(p.x), operand(q.x), operand(p.y), operand(q.y))
           + QStringLiteral(" = √(%1 + %2) = %3\n")
                 .arg(number(dx * dx), number(dy * dy), rootAndLength(squared, dx * dx + dy * dy, value));
}

// D's bracket: the first three terms added, the last three taken away.
QString determinantBracket(const std::array<QString, 6> &terms)
{
    return QStringLiteral("½·(%1 + %2 + %3 − %4 − %5 − %6)").arg(terms[0], terms[1], terms[2], terms[3], terms[4], terms[5]);
}

QString determinantLines(const FanTriangle &t)
{
    const Point A = t.A, B = t.B, C = t.C;
    const std::pair<double, double> factors[] = {{A.x, B.y}, {A.y, C.x}, {B.x, C.y},
                                                 {C.x, B.y}, {C.y, A.x}, {B.x, A.y}};
    std::array<QString, 6> products, terms;
    for (int i = 0; i < 6; ++i) {
        products[i] = operand(factors[i].first) + u'·' + operand(factors[i].second);
        terms[i] = operand(factors[i].first * factors[i].second);
    }
    const double D = t.measures.determinant;
    QString text = QStringLiteral("  D = ") + determinantBracket({QStringLiteral("xA·yB"), QStringLiteral("yA·xC"),
                                                                   QStringLiteral("xB·yC"), QStringLiteral("xC·yB"),
                                                                   QStringLiteral("yC·xA"), QStringLiteral("xB·yA")})
                   + QStringLiteral("\n    = ") + determinantBracket(products)
                   + QStringLiteral("\n    = ") + determinantBracket(terms)
                   // D is half the bracket, exactly.
                   + QStringLiteral("\n    = ½·%1 = %2\n").arg(operand(2 * D), number(D));
    if (D == 0)
        return text + QStringLiteral("  D = 0: A, B и C лежат на една права и триъгълникът няма лице.\n");
    text += QStringLiteral("  D %1 0: обходът A → B → C е %2 (на платното оста Y сочи надолу).\n")
                .arg(D > 0 ? QStringLiteral(">") : QStringLiteral("<"), senseOf(D));
    return text + QStringLiteral("  Лицето е |D| = %1: знакът на D показва само посоката на обхода, а лице не може "
                                 "да е отрицателно.\n")
                      .arg(reported(std::fabs(D)));
}

// Where Heron's formula on the three-decimal sides misses the area by more
// than a pupil is promised: a thin triangle, whose small factor takes the
// sides' rounding at full weight.
QString thinTriangleLine(const TriangleMeasures &m, const HeronProduct &heron, double area)
{
    if (area == 0 || HeronByHand::computableByHand(m.a, m.b, m.c, area))
        return {};
    const std::array<std::pair<QChar, double>, 3> factors{{{u'a', heron.p - m.a}, {u'b', heron.p - m.b},
                                                           {u'c', heron.p - m.c}}};
    const auto smallest = *std::min_element(factors.begin(), factors.end(),
                                            [](auto x, auto y) { return x.second < y.second; });
    // A factor (b + c − a) / 2 moves by up to half of three sides' rounding.
    const double moved = 3 * HeronByHand::Rounding / 2;
    const HeronByHand::RoundedAreas byHand = HeronByHand::roundedAreas(m.a, m.b, m.c);
    const bool sidesAlone = std::fabs(byHand.fromSides - area) > HeronByHand::Share * area;
    const double worse = std::fabs(byHand.fromRoundedP - area) > std::fabs(byHand.fromRoundedFactors - area)
                             ? byHand.fromRoundedP
                             : byHand.fromRoundedFactors;
    return QStringLiteral("  Триъгълникът е тесен: множителят p − %1 ≈ %2 е малък, а закръглянето на страните до три "
                          "десетични знака го променя с до %3, около %4 % от него. Затова от страните %5, %6 и %7%8 "
                          "формулата на Херон дава ≈ %9, а не %10.\n")
        .arg(smallest.first)
        .arg(factor(smallest.second), roundedNumberText(moved, 5),
             roundedNumberText(100 * moved / smallest.second, 1), length(m.a), length(m.b), length(m.c),
             sidesAlone ? QString() : QStringLiteral(", с p и множителите, закръглени до три десетични знака,"),
             length(sidesAlone ? byHand.fromSides : worse), reported(area));
}

// p and Heron's area with its four factors, each "=" where the numbers as
// written are equal, "≈" where one is rounded: all "=" only when every
// side is a whole number. The area under the root is exact when the
// triangle is whole: S² = D².
QString heronLines(const TriangleMeasures &m, const std::optional<WholeTriangle> &whole)
{
    const HeronProduct heron = heronProduct(m.a, m.b, m.c);
    const bool exact = whole && isSquare(whole->a2) && isSquare(whole->b2) && isSquare(whole->c2);
    const auto thousandths = [](double v) { return std::llround(v * 1000); };
    const bool pAsWritten = thousandths(m.a) + thousandths(m.b) + thousandths(m.c) == 2 * thousandths(heron.p);
    QString text = QStringLiteral("  p = (a + b + c) / 2%1(%2 + %3 + %4) / 2%5%6\n")
                       .arg(relation(exact), length(m.a), length(m.b), length(m.c), relation(pAsWritten),
                            length(heron.p));
    // Three points on one line: the product is 0, or a hair off it.
    if (m.determinant == 0) {
        text += QStringLiteral("  S = √(p(p − a)(p − b)(p − c))%1√(%2 · %3 · %4 · %5)")
                    .arg(relation(exact), length(heron.p), length(heron.p - m.a), length(heron.p - m.b),
                         length(heron.p - m.c))
                + QStringLiteral(" = 0: A, B и C лежат на една права, затова лицето е 0.%1\n")
                      .arg(m.heron != 0 ? QStringLiteral(" Малкото число за S в отчета идва от закръглянето при корените.")
                                        : QString());
        return text;
    }
    text += QStringLiteral("  S = √(p(p − a)(p − b)(p − c))%1√(%2 · %3 · %4 · %5)")
                .arg(relation(exact), factor(heron.p), factor(heron.p - m.a), factor(heron.p - m.b),
                     factor(heron.p - m.c));
    const double area = std::fabs(m.determinant);
    if (whole)
        text += relation(exact) + QStringLiteral("√%1 = %2\n").arg(number(area * area), reported(area));
    else
        text += QStringLiteral(" ≈ √%1 ≈ %2\n").arg(number(heron.product), reported(m.heron));
    text += thinTriangleLine(m, heron, area);
    return text + (whole ? QStringLiteral("  (Страните, p и множителите тук са закръглени; точното лице под корена "
                                          "идва от целите числа в проверката по-долу.)\n")
                         : QStringLiteral("  (Дължините тук са закръглени до три десетични знака; S е пресметнато с "
                                          "пълната им точност.)\n"));
}

// Heron's area and D's agree exactly: 16·S² from the whole squared sides is
// the whole number (4·D)².
QString wholeNumbersLine(const WholeTriangle &w, double area)
{
    const std::int64_t first = 4 * w.a2 * w.b2, bracket = w.a2 + w.b2 - w.c2;
    return QStringLiteral("Проверка с цели числа: 16·S² = 4a²b² − (a² + b² − c²)² = 4·%1·%2 − (%1 + %2 − %3)² = %4 − %5 "
                          "= %6 = (4·%7)², затова S = |D| = %7 точно.\n")
        .arg(w.a2)
        .arg(w.b2)
        .arg(w.c2)
        .arg(first)
        .arg(bracket * bracket)
        .arg(first - bracket * bracket)
        .arg(reported(area));
}

// S against |D|: the same area, or one that the roots' rounding made a hair
// different.
QString checkLine(const TriangleMeasures &m)
{
    const double area = std::fabs(m.determinant);
    if (area == 0 && m.heron != 0)
        return QStringLiteral("Проверка: |D| = 0, а S е почти 0 само от закръглянето при корените: двете формули "
                              "дават лице 0.\n");
    const QString S = reported(m.heron), D = reported(area);
    const QString sum = QStringLiteral("Проверка: S − |D| = %1 − %2").arg(S, D);
    const double difference = m.heron - area;
    if (S == D)
        return sum + QStringLiteral(" = 0: двете формули дават едно и също лице.\n");
    if (std::fabs(difference) < RoundingAlone)
        return sum + QStringLiteral(" ≈ 0, от закръглянето при корените.\n");
    return sum + QStringLiteral(" ≈ %1: разликата идва от закръглянето при корените.\n").arg(number(difference));
}

// The terms of a sum, each as `term` writes triangle i's, joined by " + ";
// a long one shows its first and last terms around "…".
template <typename Term>
QString sumOfTerms(const Fan &fan, Term term)
{
    const int count = int(fan.triangles.size());
    QStringList terms;
    for (int i = 0; i < count; ++i) {
        if (count > MostTermsWritten && i == EndTermsWritten) {
            terms << QStringLiteral("…");
            i = count - EndTermsWritten;
        }
        terms << term(fan.triangles[i].measures.determinant);
    }
    return terms.join(QStringLiteral(" + "));
}

} // namespace

QString triangleWorking(const Fan &fan, int index)
{
    if (index < 0 || index >= int(fan.triangles.size()))
        return {};
    const FanTriangle &t = fan.triangles[index];
    const TriangleMeasures &m = t.measures;
    const QString k = QString::number(t.k), next = QString::number(t.k + 1);

    QString text = QStringLiteral("Триъгълник %1 от %2: върхове 1, %3 и %4 (в отчета „Върхове: 1%3%4“)\n\n")
                       .arg(index + 1)
                       .arg(int(fan.triangles.size()))
                       .arg(k, next);
    text += QStringLiteral("Върхове\n  A = връх 1 = %1\n  B = връх %2 = %3\n  C = връх %4 = %5\n\n")
                .arg(coordinates(t.A), k, coordinates(t.B), next, coordinates(t.C));
    const std::optional<WholeTriangle> whole = wholeTriangle(t);
    const auto squared = [&](std::int64_t WholeTriangle::*side) {
        return whole ? std::optional<std::int64_t>((*whole).*side) : std::nullopt;
    };
    text += QStringLiteral("Страни: разстоянието между два върха\n")
            + sideLine(u'a', {u'B', t.B}, {u'C', t.C}, m.a, squared(&WholeTriangle::a2))
            + sideLine(u'b', {u'A', t.A}, {u'C', t.C}, m.b, squared(&WholeTriangle::b2))
            + sideLine(u'c', {u'A', t.A}, {u'B', t.B}, m.c, squared(&WholeTriangle::c2));
    text += QStringLiteral("\nЛице по Херон, с полупериметъра p\n") + heronLines(m, whole);
    text += QStringLiteral("\nЛице ориентирано, по координатите на върховете\n") + determinantLines(t);
    text += u'\n' + (whole ? wholeNumbersLine(*whole, std::fabs(m.determinant)) : QString()) + checkLine(m);

    const double polygon = signedTotal(fan);
    if (signOf(m.determinant) * signOf(polygon) < 0)
        text += QStringLiteral("\nD има обратния знак на сбора на всички D (%1): триъгълникът е обходен в обратна "
                               "посока спрямо многоъгълника. Отчетът прибавя неговото |D|, а сборът на D, всяко със "
                               "своя знак, го изважда; затова лицето в отчета се различава от този сбор.\n")
                    .arg(number(polygon));

    const double before = totalBefore(fan, index);
    text += QStringLiteral("\nСбор на |D| до този триъгълник: %1 + %2 = %3\n")
                .arg(reported(before), reported(std::fabs(m.determinant)), reported(std::fabs(m.determinant) + before));
    return text;
}

QString totalWorking(const Fan &fan)
{
    const int count = int(fan.triangles.size());
    if (count == 0)
        return QStringLiteral("Лице на изпъкналия многоъгълник = 0: върховете са по-малко от три и няма триъгълници.\n");

    QString text = QStringLiteral("Лице на изпъкналия многоъгълник: сборът на |D| на триъгълниците с общ връх 1 "
                                  "(%1)\n  = %2\n  = %3\n\n")
                       .arg(triangles(count), sumOfTerms(fan, [](double D) { return reported(std::fabs(D)); }),
                            reported(fan.total));

    const double polygon = signedTotal(fan);
    text += QStringLiteral("Сборът на всички D, всяко със своя знак\n  = %1\n  = %2\n")
                .arg(sumOfTerms(fan, operand), number(polygon));
    if (polygon == 0) {
        text += QStringLiteral("Сборът е 0: страните на многоъгълника лежат на една права или се пресичат.\n");
    } else {
        text += QStringLiteral("Сборът е %1: обходът на многоъгълника е %2 (на платното оста Y сочи надолу).\n")
                    .arg(polygon > 0 ? QStringLiteral("положителен") : QStringLiteral("отрицателен"), senseOf(polygon));
        text += QStringLiteral("Когато страните на многоъгълника не се пресичат, лицето му е абсолютната стойност на "
                               "този сбор (формулата на Гаус): |%1| = %2.\n")
                    .arg(number(polygon), number(std::fabs(polygon)));
    }

    if (fan.total == std::fabs(polygon))
        return text + QStringLiteral("Двата сбора са равни по абсолютна стойност, защото всички D са с един и същ "
                                     "знак.\n");
    int opposite = 0;
    for (const FanTriangle &t : fan.triangles)
        opposite += signOf(t.measures.determinant) * signOf(polygon) < 0;
    const QString which = opposite > 0 ? QStringLiteral(" (%1 от %2)").arg(opposite).arg(count) : QString();
    return text + QStringLiteral("Двата сбора се различават (%1 и %2), защото отчетът прибавя |D| на всеки "
                                 "триъгълник, а сборът на D изважда тези, които са обходени в обратна посока%3.\n")
                      .arg(reported(fan.total), number(polygon), which);
}
