// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShownRows.h"

#include <algorithm>
#include <cmath>

ShownRows::ShownRows(const LineLayouts &lines)
    : m_lines(lines)
{
}

void ShownRows::layOut(qreal viewHeight)
{
    m_viewHeight = viewHeight;
    m_lastTop = m_lines.topShowing(m_lines.lastRow(), textHeight());
    m_top.row = std::min(m_top.row, m_lines.layout(m_top.line).lineCount() - 1);
    m_top = std::min(m_top, m_lastTop);
}

qreal ShownRows::textHeight() const
{
    return m_viewHeight - 2 * LineLayouts::Margin;
}

bool ShownRows::setTop(TextRow top)
{
    top = std::min(top, m_lastTop);
    if (top == m_top)
        return false;
    m_top = top;
    return true;
}

TextRow ShownRows::topShowing(TextRow row) const
{
    if (row < m_top)
        return row;
    return showsWhole(row) ? m_top : m_lines.topShowing(row, textHeight());
}

bool ShownRows::showsWhole(TextRow row) const
{
    qreal filled = 0;
    for (TextRow shown = m_top;;) {
        filled += m_lines.textRow(shown).height();
        if (filled > textHeight())
            return false;
        if (shown == row)
            return true;
        const TextRow next = m_lines.moved(shown, 1);
        if (next == shown)
            return false;
        shown = next;
    }
}

QList<ShownRows::Line> ShownRows::lines() const
{
    QList<Line> shown;
    qreal top = LineLayouts::Margin - m_lines.textRow(m_top).y();
    for (int line = m_top.line; line < m_lines.text().lineCount() && top < m_viewHeight; ++line) {
        shown.append({line, top});
        top += m_lines.heightOf(line);
    }
    return shown;
}

std::optional<ShownRows::Line> ShownRows::lineAt(qreal y) const
{
    qreal top = LineLayouts::Margin - m_lines.textRow(m_top).y();
    for (int line = m_top.line; line < m_lines.text().lineCount(); ++line) {
        const qreal bottom = top + m_lines.heightOf(line);
        if (y < bottom)
            return Line{line, top};
        top = bottom;
    }
    return std::nullopt;
}

qsizetype ShownRows::positionAt(QPointF point, QTextLine::CursorPosition kind) const
{
    const LinedText &text = m_lines.text();
    const qreal y = std::max<qreal>(point.y(), LineLayouts::Margin);
    const std::optional<Line> shown = lineAt(y);
    if (!shown)
        return text.lineEnd(text.lineCount() - 1);
    const QTextLayout &layout = m_lines.layout(shown->line);
    QTextLine row = layout.lineAt(0);
    for (int i = 1; i < layout.lineCount() && layout.lineAt(i).y() <= y - shown->top; ++i)
        row = layout.lineAt(i);
    return text.lineStart(shown->line) + row.xToCursor(point.x(), kind);
}

std::optional<QRectF> ShownRows::placeOf(qsizetype position) const
{
    const LinedText &text = m_lines.text();
    const int line = text.lineOf(position);
    for (const Line &shown : lines()) {
        if (shown.line != line)
            continue;
        const QTextLayout &layout = m_lines.layout(line);
        const int column = int(std::min(position, text.lineEnd(line)) - text.lineStart(line));
        const QTextLine row = layout.lineForTextPosition(column);
        const qreal x = row.cursorToX(column);
        const qreal next = column < layout.text().size() ? row.cursorToX(column + 1) : x;
        return QRectF(std::min(x, next), shown.top + row.y(), std::abs(next - x), row.height());
    }
    return std::nullopt;
}
