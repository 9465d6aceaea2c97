// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QStringView>

#include <optional>

class QPaintDevice;

// The glyphs of a line of text and their places, as QPainter::drawText
// shapes them, put together from its pairs of neighbouring characters.
// Shaping a line, which finds each character's glyph and kerns pairs of
// them, is two fifths of the time a PDF printer spends on it; a report's
// lines are made of a few dozen characters in a few hundred pairs, each
// shaped here once.
//
// A pair is taken only when it is shaped alike whatever script the text
// around it is in: the same two glyphs, the second the same distance from
// the first. A line with any other pair, or a character the font lacks, has
// no glyphs here: the caller leaves it to QPainter.
class PairShaper
{
public:
    // In the font resolved for `device`.
    PairShaper(const QFont &font, const QPaintDevice *device);

    // The line's glyphs with its baseline from (0, 0), or none.
    std::optional<QGlyphRun> glyphsOf(QStringView line) const;

private:
    struct Pair {
        quint32 first = 0;
        quint32 second = 0;
        qreal step = 0; // from the first glyph to the second
        bool usable = false;
    };

    const Pair &pairOf(char16_t first, char16_t second) const;
    Pair shaped(char16_t first, char16_t second) const;
    std::optional<QGlyphRun> onlyRunOf(const QString &text) const;
    static QList<QGlyphRun> runsOf(const QString &text, const QFont &font);

    QFont m_font;
    QRawFont m_rawFont; // the font's own, without a fallback
    mutable QHash<quint32, Pair> m_pairs;
};
