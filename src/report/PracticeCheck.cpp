// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PracticeCheck.h"

#include "HeronByHand.h"
#include "NumberText.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Practice {

namespace {

// The numbers compared exactly are whole numbers and halves, read from a
// short decimal text: any difference is at least a half or far below this.
constexpr double Exact = 1e-9;

bool near(double value, double target, double tolerance)
{
    return std::fabs(value - target) <= tolerance + Exact;
}

bool isWholeOrHalf(double value)
{
    return std::fabs(2 * value - std::round(2 * value)) <= Exact;
}

double heronTolerance(double area)
{
    return std::max(HeronShare * area, HeronTolerance);
}

// A side's end points, as the working names them: a = BC, b = AC, c = AB.
std::pair<Point, Point> endsOf(const FanTriangle &t, Field side)
{
    switch (side) {
    case SideA: return {t.B, t.C};
    case SideB: return {t.A, t.C};
    default: return {t.A, t.B};
    }
}

double lengthOf(const TriangleMeasures &m, Field side)
{
    return side == SideA ? m.a : side == SideB ? m.b : m.c;
}

// The side right but for one difference of whole coordinates: a wrong
// whole number in place of `wrong`, the other one, `kept`, right.
bool oneDifferenceWrong(double typed, double wrong, double kept)
{
    const double rest = typed * typed - kept * kept;
    if (rest < 0)
        return false;
    const double guess = std::round(std::sqrt(rest));
    return guess != std::fabs(wrong) && near(std::sqrt(guess * guess + kept * kept), typed, SideTolerance);
}

Verdict sideVerdict(const FanTriangle &t, Field side, double typed)
{
    const TriangleMeasures &m = t.measures;
    const double length = lengthOf(m, side);
    if (typed < 0)
        return {Verdict::Wrong, Hint::Sign};
    if (near(typed, length, SideTolerance))
        return {Verdict::Right};
    if (std::fabs(typed - length) < 0.01)
        return {Verdict::Wrong, Hint::Rounding};
    for (Field other : {SideA, SideB, SideC})
        if (other != side && near(typed, lengthOf(m, other), SideTolerance))
            return {Verdict::Wrong, Hint::OtherSide, other};
    const auto [from, to] = endsOf(t, side);
    const double dx = from.x - to.x, dy = from.y - to.y;
    if (near(typed, dx * dx + dy * dy, 0.5))
        return {Verdict::Wrong, Hint::SquareRoot};
    const bool x = oneDifferenceWrong(typed, dx, dy), y = oneDifferenceWrong(typed, dy, dx);
    return {Verdict::Wrong, x && !y ? Hint::XDifference : y && !x ? Hint::YDifference : Hint::Differences};
}

// Heron's area of three lengths, 0 when they make no triangle.
double heronOf(double a, double b, double c)
{
    const double product = heronProduct(a, b, c).product;
    return product > 0 ? std::sqrt(product) : 0;
}

Verdict heronVerdict(const FanTriangle &t, double typed, const std::array<std::optional<double>, 3> &typedSides,
                     bool sidesWrong)
{
    const TriangleMeasures &m = t.measures;
    const double area = std::fabs(m.determinant);
    const double tolerance = heronTolerance(area);
    if (near(typed, area, tolerance) || HeronByHand::reachableAreas(m.a, m.b, m.c).contains(typed))
        return {Verdict::Right};
    if (typed < 0)
        return {Verdict::Wrong, Hint::Sign};
    if (sidesWrong && typedSides[0] && typedSides[1] && typedSides[2]
        && near(typed, heronOf(*typedSides[0], *typedSides[1], *typedSides[2]), tolerance))
        return {Verdict::Wrong, Hint::FromWrongSides};
    const HeronProduct heron = heronProduct(m.a, m.b, m.c);
    if (near(typed, heron.product, std::max(HeronShare * heron.product, HeronTolerance)))
        return {Verdict::Wrong, Hint::SquareRoot};
    const double P = m.a + m.b + m.c;
    if (near(typed, std::sqrt(std::fabs(P * (P - m.a) * (P - m.b) * (P - m.c))), tolerance))
        return {Verdict::Wrong, Hint::HalfPerimeter};
    for (Field side : {SideA, SideB, SideC}) {
        const double x = lengthOf(m, side);
        if (heron.p - x > 0 && near(typed, std::sqrt(heron.product / (heron.p - x) * (heron.p + x)), tolerance))
            return {Verdict::Wrong, Hint::HeronFactor, side};
    }
    return {Verdict::Wrong, Hint::HeronFactors};
}

Verdict determinantVerdict(const FanTriangle &t, double typed)
{
    const double D = t.measures.determinant;
    if (near(typed, std::fabs(D), 0))
        return {Verdict::Right};
    if (typed < 0)
        return {Verdict::Wrong, Hint::Sign};
    if (!isWholeOrHalf(typed))
        return {Verdict::Wrong, Hint::NotHalf};
    if (near(typed, 2 * std::fabs(D), 0))
        return {Verdict::Wrong, Hint::Half};
    // The working's six products, the last three taken away.
    const Point A = t.A, B = t.B, C = t.C;
    const double terms[] = {A.x * B.y, A.y * C.x, B.x * C.y, -(C.x * B.y), -(C.y * A.x), -(B.x * A.y)};
    for (int i = 0; i < 6; ++i) {
        const bool signTurned = near(typed, std::fabs(D - terms[i]), 0);
        const bool leftOut = near(typed, std::fabs(D - terms[i] / 2), 0);
        if (signTurned || leftOut)
            return {Verdict::Wrong, Hint::DeterminantTerm, i};
    }
    return {Verdict::Wrong, Hint::DeterminantTerms};
}

Verdict totalVerdict(const Fan &fan, double typed)
{
    if (near(typed, fan.total, 0))
        return {Verdict::Right};
    if (typed < 0)
        return {Verdict::Wrong, Hint::Sign};
    if (!isWholeOrHalf(typed))
        return {Verdict::Wrong, Hint::NotHalf};
    for (int i = 0; i < int(fan.triangles.size()); ++i) {
        const double area = std::fabs(fan.triangles[size_t(i)].measures.determinant);
        if (area > 0 && (near(typed, fan.total - area, 0) || near(typed, fan.total + area, 0)))
            return {Verdict::Wrong, Hint::TriangleOnceEach, i};
    }
    return {Verdict::Wrong, Hint::Sum};
}

// The verdict of a text: empty, not a number, or as `judge` judges its
// number.
template <typename Judge>
Verdict judged(const QString &typed, Judge judge)
{
    if (typed.trimmed().isEmpty())
        return {};
    const std::optional<double> number = readNumber(typed);
    return number ? judge(*number) : Verdict{Verdict::Wrong, Hint::NotANumber};
}

// A side or Heron's area as a pupil writes it: three decimals, no grouping
// of the thousands, which the checker would not read as one number.
QString written(double value)
{
    return fixedDecimalsText(value, 3).remove(QLocale().groupSeparator());
}

void count(Marks &marks, const Verdict &verdict)
{
    ++marks.fields;
    marks.right += verdict.result == Verdict::Right;
}

} // namespace

std::optional<double> readNumber(QStringView typed)
{
    QString plain;
    bool separator = false, digits = false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        if (c.isSpace())
            continue;
        if ((c == u'-' || c == QChar(0x2212) || c == u'+') && plain.isEmpty()) {
            plain += c == u'+' ? u'+' : u'-';
        } else if ((c == u',' || c == u'.') && !separator) {
            separator = true;
            plain += u'.';
        } else if (c >= u'0' && c <= u'9') {
            digits = true;
            plain += c;
        } else {
            return std::nullopt;
        }
    }
    bool read = false;
    const double value = plain.toDouble(&read);
    if (!digits || !read || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Marks check(const Fan &fan, const Answers &answers)
{
    Marks marks;
    for (size_t i = 0; i < fan.triangles.size(); ++i) {
        const FanTriangle &t = fan.triangles[i];
        const TriangleAnswers typed = i < answers.triangles.size() ? answers.triangles[i] : TriangleAnswers();
        std::array<Verdict, FieldsPerTriangle> verdicts;
        std::array<std::optional<double>, 3> sides;
        bool sidesWrong = false;
        for (Field side : {SideA, SideB, SideC}) {
            verdicts[side] = judged(typed[side], [&](double v) { return sideVerdict(t, side, v); });
            sides[side] = readNumber(typed[side]);
            sidesWrong |= verdicts[side].result == Verdict::Wrong;
        }
        verdicts[Heron] = judged(typed[Heron], [&](double v) { return heronVerdict(t, v, sides, sidesWrong); });
        verdicts[Determinant] = judged(typed[Determinant], [&](double v) { return determinantVerdict(t, v); });
        for (const Verdict &verdict : verdicts)
            count(marks, verdict);
        marks.triangles.push_back(verdicts);
    }
    marks.total = judged(answers.total, [&](double v) { return totalVerdict(fan, v); });
    count(marks, marks.total);
    return marks;
}

Answers solution(const Fan &fan)
{
    Answers answers;
    for (const FanTriangle &t : fan.triangles) {
        const TriangleMeasures &m = t.measures;
        answers.triangles.push_back({written(m.a), written(m.b), written(m.c), written(m.heron),
                                     standardNumberText(std::fabs(m.determinant))});
    }
    answers.total = standardNumberText(fan.total);
    return answers;
}

} // namespace Practice
