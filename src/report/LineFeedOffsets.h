// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LinedText.h"

// Offsets into a text as its line-feed form counts them, every line end
// (CR LF, CR or LF) one character: how a screen reader addresses the text
// that the clipboard gets as LinedText::withLineFeeds. Positions are indices
// into the text itself.
//
// Keeps the text (shared, not copied) and the offset of every 256th line: a
// few kilobytes for a report of a hundred thousand lines, so that either
// direction takes a binary search and a short walk.
class LineFeedOffsets
{
public:
    explicit LineFeedOffsets(const LinedText &text);

    // The length of the line-feed form.
    qsizetype length() const { return offsetOf(m_text.text.size()); }
    qsizetype offsetOf(qsizetype position) const;
    // The position of an offset, kept within the text; the offset of a line
    // feed gives the start of its line end.
    qsizetype positionOf(qsizetype offset) const;
    // The offset where the line starts, and the line that holds an offset.
    qsizetype lineOffset(int line) const;
    int lineAtOffset(qsizetype offset) const;

private:
    static constexpr int LinesPerMark = 256;

    // The line's length in the line-feed form, its line end included.
    qsizetype lengthOf(int line) const;

    LinedText m_text;
    QList<qsizetype> m_markOffsets; // of lines 0, 256, 512 ...
};
