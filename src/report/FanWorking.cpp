// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FanWorking.h"

#include "NumberText.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <utility>

namespace {

// More terms than this in a sum written out show its first and last ones.
constexpr int MostTermsWritten = 30;
constexpr int EndTermsWritten = 10;

QString number(double value)
{
    return standardNumberText(value);
}

// A number inside a formula: a negative one in brackets.
QString operand(double value)
{
    const QString text = number(value);
    return value < 0 ? u'(' + text + u')' : text;
}

QString length(double value)
{
    return fixedDecimalsText(value, 3);
}

QString coordinates(Point p)
{
    return QStringLiteral("(%1; %2)").arg(number(p.x), number(p.y));
}

// The sense in which points are walked, by the sign of their D: the canvas's
// Y runs downward, so a positive D goes round clockwise as the pupil sees it.
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

// "a = BC = √((xB − xC)² + (yB − yC)²) = √((10 − 5)² + (10 − 2)²) = √(25 + 64) = √89 = 9.434"
QString sideLine(QChar side, std::pair<QChar, Point> from, std::pair<QChar, Point> to, double value)
{
    const Point p = from.second, q = to.second;
    const double dx = p.x - q.x, dy = p.y - q.y;
    return QStringLiteral("  %1 = %2%3 = √((x%2 − x%3)² + (y%2 − y%3)²)").arg(side).arg(from.first).arg(to.first)
           + QStringLiteral(" = √((%1 − %2)² + (%3 − %4)²)").arg(operand(p.x), operand(q.x), operand(p.y), operand(q.y))
           + QStringLiteral(" = √(%1 + %2) = √%3 = %4\n")
                 .arg(number(dx * dx), number(dy * dy), number(dx * dx + dy * dy), length(value));
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
        text += QStringLiteral("  D = 0: A, B и C лежат на една права.\n");
    else
        text += QStringLiteral("  D %1 0: A, B и C следват %2 (на платното оста Y сочи надолу).\n")
                    .arg(D > 0 ? QStringLiteral(">") : QStringLiteral("<"), senseOf(D));
    text += QStringLiteral("  Лицето е |D| = %1: знакът на D казва само посоката, в която се обхождат върховете, "
                           "а лицето не може да е отрицателно.\n")
                .arg(number(std::fabs(D)));
    return text;
}

QString heronLines(const TriangleMeasures &m)
{
    const HeronProduct heron = heronProduct(m.a, m.b, m.c);
    QString text = QStringLiteral("  p = (a + b + c) / 2 = (%1 + %2 + %3) / 2 = %4\n")
                       .arg(length(m.a), length(m.b), length(m.c), length(heron.p))
                   + QStringLiteral("  S = √(p(p − a)(p − b)(p − c)) = √(%1 · %2 · %3 · %4)")
                         .arg(length(heron.p), length(heron.p - m.a), length(heron.p - m.b), length(heron.p - m.c));
    if (heron.product > 0)
        text += QStringLiteral(" = √%1 = %2\n").arg(number(heron.product), number(m.heron));
    else
        text += QStringLiteral(" = %1: A, B и C лежат на една права и S = 0.\n").arg(number(heron.product));
    return text + QStringLiteral("  (Дължините тук са закръглени до третия знак; S е пресметнато с пълната им точност.)\n");
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
    text += QStringLiteral("Страни: разстоянието между два върха\n") + sideLine(u'a', {u'B', t.B}, {u'C', t.C}, m.a)
            + sideLine(u'b', {u'A', t.A}, {u'C', t.C}, m.b) + sideLine(u'c', {u'A', t.A}, {u'B', t.B}, m.c);
    text += QStringLiteral("\nЛице по Херон, с полупериметъра p\n") + heronLines(m);
    text += QStringLiteral("\nЛице ориентирано, по координатите на върховете\n") + determinantLines(t);

    const double difference = m.heron - std::fabs(m.determinant);
    text += QStringLiteral("\nПроверка: S − |D| = %1 − %2 = %3")
                .arg(number(m.heron), number(std::fabs(m.determinant)), number(difference));
    text += difference == 0 ? QStringLiteral(": двете формули дават едно и също лице.\n")
                            : QStringLiteral(": разликата идва от закръглянето при корените.\n");

    const double polygon = signedTotal(fan);
    if (signOf(m.determinant) * signOf(polygon) < 0)
        text += QStringLiteral("\nЗнакът на D е обратен на знака на сбора на всички D (%1): триъгълникът е обходен "
                               "в обратна посока на многоъгълника и лежи извън него. Неговото |D| все пак се "
                               "прибавя, затова сборът на |D| е по-голям от лицето на многоъгълника.\n")
                    .arg(number(polygon));

    const double before = totalBefore(fan, index);
    text += QStringLiteral("\nСбор на |D| до този триъгълник: %1 + %2 = %3\n")
                .arg(number(before), number(std::fabs(m.determinant)), number(std::fabs(m.determinant) + before));
    return text;
}

QString totalWorking(const Fan &fan)
{
    const int count = int(fan.triangles.size());
    if (count == 0)
        return QStringLiteral("Лице на изпъкналия многоъгълник = 0: върховете са по-малко от три и няма триъгълници.\n");

    QString text = QStringLiteral("Лице на изпъкналия многоъгълник: сборът на |D| на всички триъгълници от "
                                  "ветрилото от връх 1 (брой: %1)\n  = %2\n  = %3\n\n")
                       .arg(count)
                       .arg(sumOfTerms(fan, [](double D) { return number(std::fabs(D)); }), number(fan.total));

    const double polygon = signedTotal(fan);
    text += QStringLiteral("Сборът на D със знака им\n  = %1\n  = %2\n")
                .arg(sumOfTerms(fan, operand), number(polygon));
    if (polygon == 0)
        return text + QStringLiteral("Сборът е 0: многоъгълникът няма лице, а страните му се пресичат или лежат "
                                     "на една права.\n");
    text += QStringLiteral("Сборът е %1: многоъгълникът е обходен %2 (на платното оста Y сочи надолу).\n")
                .arg(polygon > 0 ? QStringLiteral("положителен") : QStringLiteral("отрицателен"), senseOf(polygon));

    int opposite = 0;
    for (const FanTriangle &t : fan.triangles)
        opposite += signOf(t.measures.determinant) * signOf(polygon) < 0;
    if (opposite == 0)
        return text + QStringLiteral("Всички D са с този знак: сборът на |D| е лицето на многоъгълника.\n");
    return text + QStringLiteral("Триъгълниците с D с обратен знак (%1 от %2) са обходени в обратна посока и лежат "
                                 "извън многоъгълника, а техните |D| също се прибавят: затова сборът на |D| (%3) е "
                                 "по-голям от лицето на многоъгълника (%4), когато страните му не се пресичат.\n")
                      .arg(opposite)
                      .arg(count)
                      .arg(number(fan.total), number(std::fabs(polygon)));
}
