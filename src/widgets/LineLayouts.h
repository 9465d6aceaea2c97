// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LinedText.h"

#include <QCache>
#include <QFont>
#include <QTextLayout>

#include <utility>

// One row of the shown text: a line wraps into one row or more.
struct TextRow {
    int line = 0;
    int row = 0; // within the line

    friend bool operator==(TextRow a, TextRow b) { return a.line == b.line && a.row == b.row; }
    friend bool operator!=(TextRow a, TextRow b) { return !(a == b); }
    friend bool operator<(TextRow a, TextRow b) { return a.line < b.line || (a.line == b.line && a.row < b.row); }
};

// The lines of a text laid out in rows of a width, each wrapped at word
// boundaries, or anywhere in a word wider than the row. A line is laid out
// only when asked for, and the last few hundred laid out are kept: a view
// that shows ten lines of a hundred thousand lays out those ten.
//
// Each layout places its rows at the left margin from its own top; a layout
// stays valid until a few hundred other lines have been laid out, or the
// text, font or width changes.
class LineLayouts
{
public:
    static constexpr qreal Margin = 4; // around the text, as a text document has

    LineLayouts();

    void setText(const LinedText &text);
    void setFont(const QFont &font);
    // The width of the rows: the view's, less the margins.
    void setWidth(qreal width);

    const LinedText &text() const { return m_text; }
    const QTextLayout &layout(int line) const;
    QTextLine textRow(TextRow row) const { return layout(row.line).lineAt(row.row); }
    qreal heightOf(int line) const;

    // The row that shows the position: at a row's wrap, the next row's start.
    TextRow rowOf(qsizetype position) const;
    // Where the row that shows the position starts and ends, before the
    // blank at which a wrapped row breaks.
    std::pair<qsizetype, qsizetype> rowAround(qsizetype position) const;
    TextRow lastRow() const;
    // The row `count` rows after `from`, or before it when negative, kept
    // within the text.
    TextRow moved(TextRow from, int count) const;
    // The first row of the rows that end with `bottom` and fill no more than
    // `height`, at least `bottom` itself.
    TextRow topShowing(TextRow bottom, qreal height) const;

private:
    void forget();

    LinedText m_text;
    QFont m_font;
    qreal m_width = 0;
    mutable QCache<int, QTextLayout> m_layouts;
};
