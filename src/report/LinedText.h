// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QTextBoundaryFinder>

#include <utility>

// Where each line of `text` starts. Lines end at CR LF, CR or LF; a line
// end at the very end of the text starts no line after it, so that an
// empty text, "a" and "a\r\n" each have one line.
QList<qsizetype> lineStartsOf(QStringView text);

// A text together with where its lines start: what the report writer
// produces and the report box shows, handed on without finding the lines
// again. Both members are implicitly shared, so copies cost nothing.
//
// A position is an index into `text`, from 0 to its size; a line's content
// runs from its start to its end, before its line end.
struct LinedText {
    QString text;
    QList<qsizetype> lineStarts{0}; // never empty; the first is 0

    static LinedText from(const QString &text) { return {text, lineStartsOf(text)}; }

    int lineCount() const { return int(lineStarts.size()); }
    qsizetype lineStart(int line) const { return lineStarts[line]; }
    // Where the line's content ends: at its line end, or the text's end.
    qsizetype lineEnd(int line) const;
    // Where the line's line end ends: the next line's start, or the text's end.
    qsizetype lineBreakEnd(int line) const;
    QStringView lineContent(int line) const;
    // The line that holds the position; a position inside a line end, or
    // after the last one, belongs to the line that it ends.
    int lineOf(qsizetype position) const;
    // The stretch of its line that holds the character at the position, as
    // the finder divides it: a word, or the blanks or marks between words
    // (QTextBoundaryFinder::Word); empty at a line end.
    std::pair<qsizetype, qsizetype> segmentAround(qsizetype position, QTextBoundaryFinder::BoundaryType type) const;

    // The text from one position to another with every line end as one LF,
    // as the clipboard and a screen reader get it.
    QString withLineFeeds(qsizetype from, qsizetype to) const;
};
