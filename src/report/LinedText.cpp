// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinedText.h"

#include <algorithm>

// By the library's fast search for each LF, and for a lone CR before it:
// twice as fast as a look at every character.
QList<qsizetype> lineStartsOf(QStringView text)
{
    QList<qsizetype> starts;
    starts.reserve(text.count(u'\n') + 1); // exact for LF and CR LF texts
    starts.append(0);
    const qsizetype size = text.size();
    for (qsizetype from = 0; from < size;) {
        qsizetype lf = text.indexOf(u'\n', from);
        if (lf < 0)
            lf = size;
        // A CR ends a line of its own unless an LF follows it.
        for (qsizetype cr = text.sliced(from, lf - from).indexOf(u'\r'); cr >= 0 && from + cr + 1 < lf;
             cr = text.sliced(from, lf - from).indexOf(u'\r')) {
            from += cr + 1;
            starts.append(from);
        }
        from = lf + 1;
        if (from < size)
            starts.append(from);
    }
    return starts;
}

qsizetype LinedText::lineBreakEnd(int line) const
{
    return line + 1 < lineCount() ? lineStarts[line + 1] : text.size();
}

qsizetype LinedText::lineEnd(int line) const
{
    // A line's content holds no CR or LF: its line end is what ends it.
    const qsizetype start = lineStarts[line];
    qsizetype end = lineBreakEnd(line);
    if (end > start && text[end - 1] == u'\n')
        --end;
    if (end > start && text[end - 1] == u'\r')
        --end;
    return end;
}

QStringView LinedText::lineContent(int line) const
{
    return QStringView(text).sliced(lineStarts[line], lineEnd(line) - lineStarts[line]);
}

int LinedText::lineOf(qsizetype position) const
{
    return int(std::upper_bound(lineStarts.cbegin(), lineStarts.cend(), position) - lineStarts.cbegin()) - 1;
}

std::pair<qsizetype, qsizetype> LinedText::segmentAround(qsizetype position,
                                                       QTextBoundaryFinder::BoundaryType type) const
{
    const int line = lineOf(position);
    const QStringView content = lineContent(line);
    const qsizetype index = position - lineStarts[line];
    if (index >= content.size())
        return {position, position};
    QTextBoundaryFinder finder(type, content);
    finder.setPosition(index);
    const qsizetype start = finder.isAtBoundary() ? index : finder.toPreviousBoundary();
    finder.setPosition(index);
    return {lineStarts[line] + start, lineStarts[line] + finder.toNextBoundary()};
}

QString LinedText::withLineFeeds(qsizetype from, qsizetype to) const
{
    from = std::clamp<qsizetype>(from, 0, text.size());
    to = std::clamp<qsizetype>(to, from, text.size());
    QString shown;
    if (from == to)
        return shown;
    shown.reserve(to - from);
    for (int line = lineOf(from); line < lineCount() && lineStarts[line] < to; ++line) {
        const qsizetype end = lineEnd(line);
        const qsizetype start = std::max(from, lineStarts[line]);
        if (start < end)
            shown += QStringView(text).sliced(start, std::min(to, end) - start);
        if (end < lineBreakEnd(line) && from < lineBreakEnd(line) && to > end)
            shown += u'\n';
    }
    return shown;
}
