// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextWriter.h"

#include <algorithm>

TextWriter::TextWriter(qsizetype expectedSize, QList<qsizetype> *lineStarts)
    : m_text(std::max<qsizetype>(expectedSize, 16), Qt::Uninitialized), m_at(m_text.data()),
      m_end(m_at + m_text.size()), m_lineStarts(lineStarts)
{
    // Cleared, not assigned: the room reserved for them stays.
    if (m_lineStarts) {
        m_lineStarts->clear();
        m_lineStarts->append(0);
    }
}

QChar *TextWriter::grow(qsizetype count)
{
    // Twice the room, so that a text far longer than expected is copied only
    // a few times.
    const qsizetype used = written();
    m_text.resize(std::max(2 * m_text.size(), used + count));
    m_at = m_text.data() + used;
    m_end = m_text.data() + m_text.size();
    return m_at;
}

void TextWriter::endLine()
{
    append(u"\r\n");
    if (m_lineStarts)
        m_lineStarts->append(written());
}

void TextWriter::appendLines(const LinedText &text, int first, int last)
{
    if (first >= last)
        return;
    const qsizetype from = text.lineStart(first);
    const qsizetype shift = written() - from;
    append(QStringView(text.text).sliced(from, text.lineBreakEnd(last - 1) - from));
    if (m_lineStarts)
        for (int line = first + 1; line <= last; ++line)
            m_lineStarts->append(line < text.lineCount() ? text.lineStart(line) + shift : written());
}

QString TextWriter::take()
{
    const qsizetype size = written();
    if (m_lineStarts && m_lineStarts->size() > 1 && m_lineStarts->constLast() == size)
        m_lineStarts->removeLast();
    // Shrinking in place: the storage beyond the text is given back, not
    // copied.
    m_text.resize(size);
    m_text.squeeze();
    m_at = m_end = nullptr;
    return std::move(m_text);
}
