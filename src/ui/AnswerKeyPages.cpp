// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerKeyPages.h"

#include "WorksheetPages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// The first two columns, the variant and the vertices, are words; the rest
// numbers.
constexpr int WordColumns = 2;
// Between two columns: at least this many widths of a digit, at most three
// times as many.
constexpr qreal LeastGap = 2;

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

bool isTotal(const QStringList &cells)
{
    return cells.size() > WordColumns && cells[WordColumns].isEmpty();
}

} // namespace

AnswerKeyPages::AnswerKeyPages(const QPrinter &printer, const AnswerKey &key, const QFont &font)
    : m_key(key)
    , m_font(font)
    , m_area(WorksheetPages::textArea(printer))
{
    const QFontMetricsF metrics(m_font, &printer), bold(boldOf(m_font), &printer);
    m_lineHeight = metrics.lineSpacing();
    m_rowHeight = m_lineHeight;
    m_noteHeight = metrics.boundingRect(QRectF(0, 0, m_area.width(), 0), Qt::TextWordWrap, m_key.note).height()
                   + m_lineHeight / 2;

    m_widths.assign(size_t(m_key.columns.size()), 0);
    for (int c = 0; c < m_key.columns.size(); ++c)
        m_widths[size_t(c)] = bold.horizontalAdvance(m_key.columns[c]);
    for (const auto &rows : m_key.variants)
        for (const QStringList &cells : rows)
            for (int c = 0; c < cells.size() && c < m_key.columns.size(); ++c)
                if (!(isTotal(cells) && c == 1)) // the total's caption reaches over the empty cells
                    m_widths[size_t(c)] = std::max(m_widths[size_t(c)], bold.horizontalAdvance(cells[c]));
    qreal natural = 0;
    for (qreal width : m_widths)
        natural += width;
    const qreal digit = metrics.horizontalAdvance(u'0');
    const qreal gap = std::clamp((m_area.width() - natural) / std::max<qsizetype>(m_key.columns.size() - 1, 1),
                                 LeastGap * digit, 3 * LeastGap * digit);
    qreal left = m_area.left();
    for (qreal width : m_widths) {
        m_lefts.push_back(left);
        left += width + gap;
    }

    // Each variant's rows on one page, below the captions.
    const qreal bottom = m_area.bottom() - 2 * m_lineHeight; // above the page number
    qreal y = bottom;
    for (size_t v = 0; v < m_key.variants.size(); ++v) {
        const qreal height = m_rowHeight * qreal(m_key.variants[v].size());
        if (m_firstVariants.empty() || y + height > bottom) {
            y = rowsTop(pageCount());
            m_firstVariants.push_back(v);
        }
        y += height;
    }
    if (m_firstVariants.empty())
        m_firstVariants.push_back(0);
}

// Below the heading, the note on the first page, and the captions.
qreal AnswerKeyPages::rowsTop(int page) const
{
    return m_area.top() + 2 * m_lineHeight + (page == 0 ? m_noteHeight : 0) + m_rowHeight;
}

void AnswerKeyPages::paintPage(QPainter &painter, int page) const
{
    painter.setPen(Qt::black);
    QFont heading = boldOf(m_font);
    if (heading.pointSizeF() > 0)
        heading.setPointSizeF(heading.pointSizeF() * 1.5);
    painter.setFont(heading);
    painter.drawText(QRectF(m_area.left(), m_area.top(), m_area.width(), 2 * m_lineHeight),
                     Qt::AlignHCenter | Qt::AlignTop, m_key.heading);
    painter.setFont(m_font);
    if (page == 0)
        painter.drawText(QRectF(m_area.left(), m_area.top() + 2 * m_lineHeight, m_area.width(), m_noteHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_key.note);

    qreal y = rowsTop(page);
    const QPen rule(Qt::gray, m_lineHeight / 20);
    const qreal right = m_lefts.empty() ? m_area.left() : m_lefts.back() + m_widths.back();
    painter.setFont(boldOf(m_font));
    paintRow(painter, m_key.columns, y - m_rowHeight);
    const size_t end = page + 1 < pageCount() ? m_firstVariants[size_t(page) + 1] : m_key.variants.size();
    for (size_t v = m_firstVariants[size_t(page)]; v < end; ++v) {
        painter.setPen(rule);
        painter.drawLine(QPointF(m_area.left(), y), QPointF(right, y));
        painter.setPen(Qt::black);
        for (const QStringList &cells : m_key.variants[v]) {
            painter.setFont(isTotal(cells) ? boldOf(m_font) : m_font);
            paintRow(painter, cells, y);
            y += m_rowHeight;
        }
    }
    painter.setFont(m_font);
    WorksheetPages::paintPageNumber(painter, m_area, m_lineHeight, page, pageCount());
}

void AnswerKeyPages::paintRow(QPainter &painter, const QStringList &cells, qreal top) const
{
    for (int c = 0; c < cells.size() && c < int(m_lefts.size()); ++c) {
        const bool word = c < WordColumns;
        // A word reaches as far as it needs: a total's caption over the
        // empty cells after it.
        const QRectF cell(m_lefts[size_t(c)], top, word ? m_area.right() - m_lefts[size_t(c)] : m_widths[size_t(c)],
                          m_rowHeight);
        painter.drawText(cell, (word ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, cells[c]);
    }
}
