// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AreaReport.h"

#include "NumberWriter.h"
#include "ReportLayout.h"
#include "TextWriter.h"

#include <algorithm>
#include <cmath>

namespace {

// A triangle's block takes about 160 characters on a board of the canvas's
// size: with this much room, the report is written without growing its
// text, and the room it leaves is given back at the end.
constexpr qsizetype CharactersPerTriangle = 176;

void writeCoordinates(TextWriter &text, NumberWriter &numbers, Point p)
{
    numbers.writeStandard(p.x);
    text.append(u",");
    numbers.writeStandard(p.y);
}

void writeTriangle(TextWriter &text, NumberWriter &numbers, const FanTriangle &t)
{
    const TriangleMeasures &m = t.measures;
    // The vertex numbers run together: 1, 9 and 10 are headed "1910".
    text.append(u"Върхове: 1");
    numbers.writeWhole(t.k);
    numbers.writeWhole(t.k + 1);
    text.append(u" с координати: ");
    writeCoordinates(text, numbers, t.A);
    text.append(u"; ");
    writeCoordinates(text, numbers, t.B);
    text.append(u"; ");
    writeCoordinates(text, numbers, t.C);
    text.endLine();
    text.append(u"Страни: a = ");
    numbers.writeFixedDecimals(m.a, 3);
    text.append(u"; b = ");
    numbers.writeFixedDecimals(m.b, 3);
    text.append(u"; c = ");
    numbers.writeFixedDecimals(m.c, 3);
    text.endLine();
    text.append(u"Лице по Херон = ");
    numbers.writeStandard(m.heron);
    text.append(u"; Лице ориентирано = ");
    numbers.writeStandard(std::fabs(m.determinant));
    text.endLine();
    text.endLine();
}

void writeTotal(TextWriter &text, NumberWriter &numbers, const Fan &fan, QStringView afterTotal)
{
    text.append(u"Лице на изпъкналия многоъгълник = ");
    numbers.writeStandard(fan.total);
    text.endLine();
    if (afterTotal.endsWith(u"\r\n")) {
        text.append(afterTotal.chopped(2));
        text.endLine();
    }
}

} // namespace

QString areaReport(const Fan &fan, QList<qsizetype> *lineStarts, QStringView afterTotal)
{
    const qsizetype triangles = qsizetype(fan.triangles.size());
    const bool warning = afterTotal.endsWith(u"\r\n");
    // The report's lines, and the start after its last line end, which
    // goes again when the text is taken.
    if (lineStarts)
        lineStarts->reserve(reportLineCount(int(triangles), warning) + 1);
    TextWriter text(triangles * CharactersPerTriangle + 64 + afterTotal.size(), lineStarts);
    NumberWriter numbers(text);
    for (const FanTriangle &t : fan.triangles)
        writeTriangle(text, numbers, t);
    writeTotal(text, numbers, fan, afterTotal);
    return text.take();
}

LinedText areaReportAfter(const LinedText &before, const Fan &fan, TriangleRange changed, QStringView afterTotal)
{
    const int triangles = int(fan.triangles.size());
    const int totalLine = firstLineOf({ReportPart::Total, -1}, triangles);
    const bool sameShape = before.lineCount() == reportLineCount(triangles, false)
                           || before.lineCount() == reportLineCount(triangles, true);
    LinedText report;
    if (!sameShape || changed.first < 0 || changed.last > triangles) {
        report.text = areaReport(fan, &report.lineStarts, afterTotal);
        return report;
    }
    const int lineCount = reportLineCount(triangles, afterTotal.endsWith(u"\r\n"));
    report.lineStarts.reserve(lineCount + 1);
    TextWriter text(before.text.size() + (changed.last - changed.first) * CharactersPerTriangle + afterTotal.size() + 64,
                    &report.lineStarts);
    NumberWriter numbers(text);
    text.appendLines(before, 0, changed.first * LinesPerTriangle);
    for (int i = changed.first; i < changed.last; ++i)
        writeTriangle(text, numbers, fan.triangles[size_t(i)]);
    text.appendLines(before, std::max(changed.first, changed.last) * LinesPerTriangle, totalLine);
    writeTotal(text, numbers, fan, afterTotal);
    report.text = text.take();
    return report;
}
