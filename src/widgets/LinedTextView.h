// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LineLayouts.h"
#include "LinedText.h"
#include "ShownRows.h"

#include <QAbstractScrollArea>
#include <QString>

class QLabel;

#include <utility>

// A read-only view of a text's lines, each wrapped at the view's width and
// laid out only while in view, scrolled by rows: the scroll bar counts
// lines, and its end shows the last line at the bottom; the wheel moves
// rows, and Ctrl with the wheel enlarges or shrinks the text. A notice
// stands in a strip above the text, in the view's frame but not in its
// text. What is drawn over the rows is the subclass's.
class LinedTextView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit LinedTextView(QWidget *parent = nullptr);
    ~LinedTextView() override;

    const QString &text() const { return m_lines.text().text; }
    const LinedText &linedText() const { return m_lines.text(); }

    int lineCount() const { return linedText().lineCount(); }
    qsizetype lineStart(int line) const { return linedText().lineStart(line); }
    int lineOf(qsizetype position) const { return linedText().lineOf(position); }
    // The line shown at a point of the viewport; -1 below the last line.
    int lineAt(QPoint viewportPosition) const;
    // The position nearest to a point of the viewport, as a click places
    // it, or with `kind` CursorOnCharacter, of the character under it.
    qsizetype positionAt(QPoint viewportPosition,
                         QTextLine::CursorPosition kind = QTextLine::CursorBetweenCharacters) const;
    // Where the character at the position is drawn in the viewport; empty
    // when its line is not in view.
    QRect characterRect(qsizetype position) const;
    // Where the row that shows the position starts and ends, before the
    // blank at which a wrapped row breaks.
    std::pair<qsizetype, qsizetype> rowAround(qsizetype position) const { return m_lines.rowAround(position); }

    // Scrolls `rows` rows down, or up when negative, within the text.
    void scrollRows(int rows);
    // What is said of the text as a whole, above it; none when empty.
    void setNotice(const QString &notice);

protected:
    const LineLayouts &lines() const { return m_lines; }
    const ShownRows &rows() const { return m_rows; }
    // The rows a page holds, at least one.
    int rowsInView() const;
    // Shows the text from its top, or from the row `top` as far as it has one.
    void showText(const LinedText &text, TextRow top = {});
    TextRow topRow() const { return m_rows.top(); }
    // Scrolls the row that shows the position into view.
    void reveal(qsizetype position);
    // The rows in view changed.
    virtual void scrolled() {}

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void layOut();
    void setTop(TextRow top);
    void placeNotice();

    LineLayouts m_lines;
    ShownRows m_rows{m_lines};
    int m_wheelUnits = 0; // rows times 120 not yet scrolled
    QLabel *m_notice = nullptr;
};
