// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PracticeCheck.h"
#include "Point.h"

#include <QString>

#include <vector>

struct FanTriangle;

namespace Messages {

// The practice window: its caption, buttons, labels and fixed sentences.
enum class PracticeText {
    Caption,
    Nothing,      // no polygon to practise
    BoardChanged, // the report no longer describes the polygon practised
    Again,
    Total,
    Check,
    Solve,
    NewTask,
    Variant,
    OpenVariant,
    ShowWorking,
    VertexCount,
};
QString practiceText(PracticeText text);
// Its heading: a numbered task's variant and vertices, or the polygon of
// the report.
QString practiceHeading(int variant, int vertices);
QString practiceVertices(const std::vector<Point> &vertices);
QString practiceRules();
QString practiceTooLarge(int most);
// A triangle's row, a field's column heading and what a screen reader
// names it by.
QString practiceTriangle(const FanTriangle &triangle, int index);
QString practiceColumn(Practice::Field field);
QString practiceFieldName(int index, Practice::Field field);
// The score after a check; once the answers are shown, it no longer counts.
QString practiceScore(int right, int fields, bool solutionShown);
QString practiceSolved();
// A field's verdict, in a screen reader's words and as a hint: the step of
// the working to look at. `field` is the triangle's field, or
// FieldsPerTriangle for the total.
QString practiceVerdict(const Practice::Verdict &verdict, const FanTriangle *triangle, Practice::Field field);
QString practiceHint(const Practice::Verdict &verdict, const FanTriangle *triangle, Practice::Field field);

} // namespace Messages
