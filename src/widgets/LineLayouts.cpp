// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LineLayouts.h"

#include <QTextOption>

namespace {

// Enough for the rows of any view and the lines that a key or the last
// page looks at, so that a layout just fetched outlives the next few.
constexpr int KeptLayouts = 256;

} // namespace

LineLayouts::LineLayouts()
    : m_layouts(KeptLayouts)
{
}

void LineLayouts::setText(const LinedText &text)
{
    m_text = text;
    forget();
}

void LineLayouts::setFont(const QFont &font)
{
    m_font = font;
    forget();
}

void LineLayouts::setWidth(qreal width)
{
    if (width == m_width)
        return;
    m_width = width;
    forget();
}

void LineLayouts::forget()
{
    m_layouts.clear();
}

const QTextLayout &LineLayouts::layout(int line) const
{
    if (const QTextLayout *known = m_layouts.object(line))
        return *known;
    auto *laidOut = new QTextLayout(m_text.lineContent(line).toString(), m_font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    laidOut->setTextOption(option);
    laidOut->setCacheEnabled(true);
    laidOut->beginLayout();
    for (qreal y = 0;;) {
        QTextLine row = laidOut->createLine();
        if (!row.isValid())
            break;
        row.setLeadingIncluded(true);
        row.setLineWidth(std::max<qreal>(1, m_width));
        row.setPosition(QPointF(Margin, y));
        y += row.height();
    }
    laidOut->endLayout();
    m_layouts.insert(line, laidOut);
    return *laidOut;
}

qreal LineLayouts::heightOf(int line) const
{
    const QTextLayout &laidOut = layout(line);
    const QTextLine last = laidOut.lineAt(laidOut.lineCount() - 1);
    return last.y() + last.height();
}

TextRow LineLayouts::rowOf(qsizetype position) const
{
    const int line = m_text.lineOf(position);
    const qsizetype column = std::min(position, m_text.lineEnd(line)) - m_text.lineStart(line);
    return {line, layout(line).lineForTextPosition(int(column)).lineNumber()};
}

std::pair<qsizetype, qsizetype> LineLayouts::rowAround(qsizetype position) const
{
    const TextRow at = rowOf(position);
    const QTextLayout &laidOut = layout(at.line);
    const QTextLine row = laidOut.lineAt(at.row);
    int end = row.textStart() + row.textLength();
    if (at.row + 1 < laidOut.lineCount() && end > row.textStart() && laidOut.text()[end - 1].isSpace())
        --end;
    const qsizetype start = m_text.lineStart(at.line);
    return {start + row.textStart(), start + end};
}

TextRow LineLayouts::lastRow() const
{
    const int line = m_text.lineCount() - 1;
    return {line, layout(line).lineCount() - 1};
}

TextRow LineLayouts::moved(TextRow from, int count) const
{
    for (; count > 0; --count) {
        if (from.row + 1 < layout(from.line).lineCount())
            ++from.row;
        else if (from.line + 1 < m_text.lineCount())
            from = {from.line + 1, 0};
        else
            break;
    }
    for (; count < 0; ++count) {
        if (from.row > 0)
            --from.row;
        else if (from.line > 0)
            from = {from.line - 1, layout(from.line - 1).lineCount() - 1};
        else
            break;
    }
    return from;
}

TextRow LineLayouts::topShowing(TextRow bottom, qreal height) const
{
    TextRow top = bottom;
    qreal filled = textRow(top).height();
    for (;;) {
        const TextRow above = moved(top, -1);
        if (above == top)
            return top;
        filled += textRow(above).height();
        if (filled > height)
            return top;
        top = above;
    }
}
