// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LinedText.h"

#include <QList>
#include <QString>
#include <QStringView>

// A long text written once, piece by piece, straight into the storage of the
// string it becomes, with where each of its lines starts. The area report of
// a full board is five million characters in 131,000 lines: no string is
// made for a piece on the way, and the finished text keeps no spare room.
class TextWriter
{
public:
    // Room for `expectedSize` characters at first; more is made as needed.
    // Where the lines start is written to `lineStarts`, when given: 0, then
    // after every CR LF but a final one.
    explicit TextWriter(qsizetype expectedSize, QList<qsizetype> *lineStarts = nullptr);

    void append(QStringView piece)
    {
        QChar *at = makeRoom(piece.size());
        for (QChar c : piece)
            *at++ = c;
        m_at = at;
    }
    // Latin-1 characters, such as digits and signs.
    void appendLatin1(const char *begin, const char *end)
    {
        QChar *at = makeRoom(end - begin);
        for (const char *c = begin; c != end; ++c)
            *at++ = QLatin1Char(*c);
        m_at = at;
    }
    // CR LF: the line ends, and the next one starts after it.
    void endLine();
    // Whole lines of a text written before, `first` up to `last` without it,
    // each with its line end, and where they start: a report written again
    // around a few lines is copied, not written.
    void appendLines(const LinedText &text, int first, int last);

    // The text written, in storage of its own size.
    QString take();

private:
    // Where the next `count` characters go. The pieces are short and many:
    // they are copied in place, without a call.
    QChar *makeRoom(qsizetype count) { return m_end - m_at >= count ? m_at : grow(count); }
    QChar *grow(qsizetype count);
    qsizetype written() const { return m_at - m_text.constData(); }

    QString m_text;
    QChar *m_at = nullptr;
    QChar *m_end = nullptr;
    QList<qsizetype> *m_lineStarts;
};
