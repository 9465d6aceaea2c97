// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LineLayouts.h"

#include <QList>
#include <QRectF>

#include <optional>

// The rows of laid-out lines that a view shows, from its top row down: where
// each line is drawn, what lies at a point, where a character is, and which
// top shows a row whole. The top stays between the first row and the top of
// the last page, which ends with the last row. Heights and points are the
// view's, the text a margin within it.
class ShownRows
{
public:
    struct Line {
        int line;
        qreal top; // of its layout, in the view
    };

    explicit ShownRows(const LineLayouts &lines);

    // Fits the rows into a view of the height, again after the lines' text,
    // font or width change.
    void layOut(qreal viewHeight);
    // The height the rows fill: the view's less the margins.
    qreal textHeight() const;
    TextRow top() const { return m_top; }
    TextRow lastTop() const { return m_lastTop; }
    // The top, kept within the rows; false when it stays where it was.
    bool setTop(TextRow top);
    // The nearest top that shows the row whole.
    TextRow topShowing(TextRow row) const;

    // The lines in view, top to bottom, and the one at a height, in view or
    // below it.
    QList<Line> lines() const;
    std::optional<Line> lineAt(qreal y) const;
    // The position nearest to the point: above the rows in view, on their
    // first; below the text, its end.
    qsizetype positionAt(QPointF point, QTextLine::CursorPosition kind) const;
    // The character at the position, from the caret's place before it to
    // the one after it (none wide at a line's end); none when its line is
    // not in view.
    std::optional<QRectF> placeOf(qsizetype position) const;

private:
    bool showsWhole(TextRow row) const;

    const LineLayouts &m_lines;
    qreal m_viewHeight = 0;
    TextRow m_top;     // the first row in view
    TextRow m_lastTop; // the top of the last page
};
