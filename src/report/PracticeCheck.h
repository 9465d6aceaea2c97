// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fan.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// The practice: the pupil types every triangle's sides and two areas and the
// polygon's area, and each field is checked against the fan, as the report
// writes its numbers:
// - a side is right when it is the report's three-decimal value: at most
//   0.0005 from the exact length;
// - |D| and the total are right when exact (whole coordinates make them
//   whole numbers or halves);
// - Heron's area is right when Heron's formula can give it from sides that
//   are right, with p, its factors and the area written with three decimals
//   (HeronByHand's range: a thin triangle's is percents wide), or within
//   0.1 % of the exact area or 0.5, whichever is larger.
// A negative length or area is told it cannot be negative. A wrong field
// comes with a hint: the step of the working to look at. The window words
// it.
namespace Practice {

constexpr double SideTolerance = 0.0005;
constexpr double HeronShare = 0.001;
constexpr double HeronTolerance = 0.5;

// A triangle's fields, in the report's order.
enum Field { SideA, SideB, SideC, Heron, Determinant, FieldsPerTriangle };

using TriangleAnswers = std::array<QString, FieldsPerTriangle>;

// What the pupil typed: for each triangle of the fan, then the total.
struct Answers {
    std::vector<TriangleAnswers> triangles;
    QString total;
};

// The step to look at in a wrong field.
enum class Hint {
    None,
    NotANumber,       // no number: a letter, two separators
    Rounding,         // a side off in its third decimal
    SquareRoot,       // the sum of the squares, or Heron's product, without its root
    OtherSide,        // the length of another side of the triangle; detail: its Field
    XDifference,      // a side right but for the difference of its vertices' X
    YDifference,      // the same for Y
    Differences,      // a side: the differences of the coordinates and their squares
    HalfPerimeter,    // Heron's area with the whole perimeter for p
    FromWrongSides,   // Heron's area right for the sides typed, which are wrong
    HeronFactor,      // one factor p + side for p − side; detail: the side's Field
    HeronFactors,     // p and its factors
    NotHalf,          // |D| or the total neither whole nor a half: they are exact
    Sign,             // a minus sign on an area
    Half,             // |D| twice as large: the ½ before the bracket
    DeterminantTerm,  // one of D's six products; detail: 0 to 5, in the working's order
    DeterminantTerms, // D's products and their signs
    TriangleOnceEach, // the total off by one triangle's |D|; detail: the triangle, from 0
    Sum,              // the total: add every triangle's |D|
};

struct Verdict {
    enum Result { Empty, Right, Wrong };
    Result result = Empty;
    Hint hint = Hint::None;
    int detail = -1;

    friend bool operator==(const Verdict &a, const Verdict &b)
    {
        return a.result == b.result && a.hint == b.hint && a.detail == b.detail;
    }
};

struct Marks {
    std::vector<std::array<Verdict, FieldsPerTriangle>> triangles;
    Verdict total;
    int right = 0;  // fields right
    int fields = 0; // every field, filled or not
};

// A number as a pupil types it: a comma or a point before the decimals, a
// sign before it ("+", "-" or "−", as the working writes a minus), blanks
// anywhere; none for anything else (letters, two separators, an exponent).
std::optional<double> readNumber(QStringView typed);

// Every field checked; answers missing count as empty.
Marks check(const Fan &fan, const Answers &answers);

// The answers as a pupil writes them: the sides and Heron's area with three
// decimals, |D| and the total exact, in the user's regional settings.
Answers solution(const Fan &fan);

} // namespace Practice
