// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PairShaper.h"

#include <QTextLayout>

namespace {

constexpr qreal UnboundedWidth = 1e9;

// Letters of the scripts a report is written in, and none.
constexpr char16_t Neighbours[] = {0, u'ж', u'x'};

bool sameFont(const QRawFont &a, const QRawFont &b)
{
    return a.familyName() == b.familyName() && a.styleName() == b.styleName() && a.pixelSize() == b.pixelSize();
}

} // namespace

PairShaper::PairShaper(const QFont &font, const QPaintDevice *device)
    : m_font(font, device)
{
    if (const QList<QGlyphRun> runs = runsOf(QStringLiteral("x"), m_font); !runs.isEmpty())
        m_rawFont = runs.constFirst().rawFont();
}

std::optional<QGlyphRun> PairShaper::glyphsOf(QStringView line) const
{
    if (line.size() < 2)
        return std::nullopt;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(line.size());
    positions.reserve(line.size());
    qreal x = 0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const Pair &pair = pairOf(line[i - 1].unicode(), line[i].unicode());
        if (!pair.usable || (i > 1 && glyphs.constLast() != pair.first))
            return std::nullopt;
        if (i == 1) {
            glyphs.append(pair.first);
            positions.append(QPointF(0, 0));
        }
        x += pair.step;
        glyphs.append(pair.second);
        positions.append(QPointF(x, 0));
    }
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return run;
}

const PairShaper::Pair &PairShaper::pairOf(char16_t first, char16_t second) const
{
    const quint32 key = quint32(first) << 16 | second;
    auto known = m_pairs.constFind(key);
    if (known == m_pairs.constEnd())
        known = m_pairs.insert(key, shaped(first, second));
    return *known;
}

// The pair shaped after each of the neighbours, and before each where
// nothing is before it (a character common to every script takes the script
// of the letter before it, or at the start of a line of the one after it);
// all must agree.
PairShaper::Pair PairShaper::shaped(char16_t first, char16_t second) const
{
    if (QChar::isSurrogate(first) || QChar::isSurrogate(second))
        return {};
    std::optional<Pair> agreed;
    for (const char16_t before : Neighbours) {
        for (const char16_t after : Neighbours) {
            if (before && after)
                continue;
            QString text;
            if (before)
                text += QChar(before);
            text += QChar(first);
            text += QChar(second);
            if (after)
                text += QChar(after);
            const std::optional<QGlyphRun> run = onlyRunOf(text);
            const qsizetype at = before ? 1 : 0;
            if (!run || run->glyphIndexes().size() != text.size())
                return {};
            const QList<QPointF> places = run->positions();
            if (places[at].y() != places[at + 1].y() || (!before && places[at].x() != 0))
                return {};
            const Pair pair{run->glyphIndexes()[at], run->glyphIndexes()[at + 1], places[at + 1].x() - places[at].x(),
                            true};
            if (agreed && (agreed->first != pair.first || agreed->second != pair.second || agreed->step != pair.step))
                return {};
            agreed = pair;
        }
    }
    return *agreed;
}

// The text's glyphs as QPainter::drawText lays them out, when all are of
// the font itself.
std::optional<QGlyphRun> PairShaper::onlyRunOf(const QString &text) const
{
    const QList<QGlyphRun> runs = runsOf(text, m_font);
    if (runs.isEmpty() || !m_rawFont.isValid())
        return std::nullopt;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (const QGlyphRun &run : runs) {
        if (!sameFont(run.rawFont(), m_rawFont))
            return std::nullopt;
        glyphs += run.glyphIndexes();
        positions += run.positions();
    }
    QGlyphRun whole = runs.constFirst();
    whole.setGlyphIndexes(glyphs);
    whole.setPositions(positions);
    return whole;
}

QList<QGlyphRun> PairShaper::runsOf(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine().setLineWidth(UnboundedWidth);
    layout.endLayout();
    return layout.glyphRuns();
}
