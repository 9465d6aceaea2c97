// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LineFeedOffsets.h"

#include <algorithm>

LineFeedOffsets::LineFeedOffsets(const LinedText &text)
    : m_text(text)
{
    m_markOffsets.reserve(text.lineCount() / LinesPerMark + 1);
    qsizetype offset = 0;
    for (int line = 0; line < text.lineCount(); ++line) {
        if (line % LinesPerMark == 0)
            m_markOffsets.append(offset);
        offset += lengthOf(line);
    }
}

qsizetype LineFeedOffsets::lengthOf(int line) const
{
    const qsizetype end = m_text.lineEnd(line);
    return end - m_text.lineStart(line) + (end < m_text.lineBreakEnd(line) ? 1 : 0);
}

qsizetype LineFeedOffsets::lineOffset(int line) const
{
    qsizetype offset = m_markOffsets[line / LinesPerMark];
    for (int before = line - line % LinesPerMark; before < line; ++before)
        offset += lengthOf(before);
    return offset;
}

int LineFeedOffsets::lineAtOffset(qsizetype offset) const
{
    const auto mark = std::upper_bound(m_markOffsets.cbegin() + 1, m_markOffsets.cend(), offset) - 1;
    int line = int(mark - m_markOffsets.cbegin()) * LinesPerMark;
    for (qsizetype next = *mark + lengthOf(line); line + 1 < m_text.lineCount() && next <= offset;
         next += lengthOf(line))
        ++line;
    return line;
}

qsizetype LineFeedOffsets::offsetOf(qsizetype position) const
{
    const int line = m_text.lineOf(position);
    const qsizetype content = m_text.lineEnd(line) - m_text.lineStart(line);
    const qsizetype within = position - m_text.lineStart(line);
    return lineOffset(line) + std::min(within, content) + (within > content ? 1 : 0);
}

qsizetype LineFeedOffsets::positionOf(qsizetype offset) const
{
    const int line = lineAtOffset(offset);
    const qsizetype within = std::max<qsizetype>(0, offset - lineOffset(line));
    const qsizetype content = m_text.lineEnd(line) - m_text.lineStart(line);
    return within <= content ? m_text.lineStart(line) + within : m_text.lineBreakEnd(line);
}
