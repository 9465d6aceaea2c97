// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The shape of a fan's area report, in one place: the blocks of its
// triangles, four lines each (vertices and coordinates, sides, the two
// areas, an empty line), in the fan's order, then the total line, then the
// warning line when the rows are not a convex polygon taken once round. The
// writer takes the count of its lines from here, and every reader of the
// report (the marks, what a screen reader hears, the working) asks here
// where a part starts: none counts or searches the report's lines.

// Where a line of the report stands.
struct ReportPart {
    enum Kind { Triangle, Total, Warning, Beyond };

    Kind kind = Beyond;
    int triangle = -1; // which of the fan's triangles, from 0

    friend bool operator==(ReportPart a, ReportPart b) { return a.kind == b.kind && a.triangle == b.triangle; }
    friend bool operator!=(ReportPart a, ReportPart b) { return !(a == b); }
};

constexpr int LinesPerTriangle = 4;

// The part of the report of a fan of `triangles` that line `line` (from 0)
// stands in.
constexpr ReportPart reportPartAt(int line, int triangles)
{
    if (line < 0)
        return {};
    if (line < LinesPerTriangle * triangles)
        return {ReportPart::Triangle, line / LinesPerTriangle};
    if (line == LinesPerTriangle * triangles)
        return {ReportPart::Total, -1};
    if (line == LinesPerTriangle * triangles + 1)
        return {ReportPart::Warning, -1};
    return {};
}

// The first line of a part.
constexpr int firstLineOf(ReportPart part, int triangles)
{
    switch (part.kind) {
    case ReportPart::Triangle: return LinesPerTriangle * part.triangle;
    case ReportPart::Total: return LinesPerTriangle * triangles;
    case ReportPart::Warning: return LinesPerTriangle * triangles + 1;
    case ReportPart::Beyond: break;
    }
    return -1;
}

// The lines of the whole report: its blocks, its total, and its warning line
// when it has one.
constexpr int reportLineCount(int triangles, bool warning)
{
    return firstLineOf({ReportPart::Warning, -1}, triangles) + (warning ? 1 : 0);
}
