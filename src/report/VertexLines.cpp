// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexLines.h"

#include <algorithm>

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

void skipBlanks(QStringView line, qsizetype &at)
{
    while (at < line.size() && isBlank(line[at]))
        ++at;
}

// A whole number with an optional sign, read from `at` on; `at` moves past
// it. A number too long for a double stays a number, far off the canvas.
std::optional<double> takeWholeNumber(QStringView line, qsizetype &at)
{
    qsizetype i = at;
    const bool negative = i < line.size() && line[i] == u'-';
    if (i < line.size() && (line[i] == u'-' || line[i] == u'+'))
        ++i;
    const qsizetype firstDigit = i;
    double value = 0;
    for (; i < line.size() && line[i] >= u'0' && line[i] <= u'9'; ++i)
        value = value * 10 + (line[i].unicode() - u'0');
    if (i == firstDigit)
        return std::nullopt;
    at = i;
    return negative ? -value : value;
}

std::optional<Point> readVertexLine(QStringView line)
{
    qsizetype at = 0;
    skipBlanks(line, at);
    const std::optional<double> x = takeWholeNumber(line, at);
    if (!x)
        return std::nullopt;
    const qsizetype afterX = at;
    skipBlanks(line, at);
    if (at < line.size() && line[at] == u';') {
        ++at;
        skipBlanks(line, at);
    } else if (at == afterX) {
        return std::nullopt; // nothing between the numbers
    }
    const std::optional<double> y = takeWholeNumber(line, at);
    if (!y)
        return std::nullopt;
    skipBlanks(line, at);
    if (at != line.size())
        return std::nullopt;
    return Point{*x, *y};
}

bool isBlankLine(QStringView line)
{
    return std::all_of(line.begin(), line.end(), isBlank);
}

} // namespace

void appendVertexLine(QString &lines, QStringView x, QStringView y, QStringView lineEnd)
{
    lines += x;
    lines += u'\t';
    lines += y;
    lines += lineEnd;
}

VertexLinesReading readVertexLines(QStringView text)
{
    VertexLinesReading reading;
    qsizetype start = 0;
    for (int number = 1; start < text.size(); ++number) {
        qsizetype end = start;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        const TextLine line{number, text.sliced(start, end - start)};
        if (!isBlankLine(line.text)) {
            const std::optional<Point> position = readVertexLine(line.text);
            if (!position) {
                reading.notAVertex = line;
                return reading;
            }
            reading.vertices.push_back({line, *position});
        }
        const bool crlf = end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n';
        start = end + (crlf ? 2 : 1);
    }
    return reading;
}
