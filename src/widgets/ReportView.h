// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LineFeedOffsets.h"
#include "LineLayouts.h"
#include "LinedText.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QString>

#include <algorithm>
#include <optional>
#include <utility>

class QMenu;

// The read-only box that shows the task and the area report.
//
// It holds the text once, shared with whoever set it, with where its lines
// start, and lays out only the lines in view: a report of a hundred thousand
// lines shows as fast as one of ten. text() returns exactly what was set, CR
// LF included; each line end (CR LF, CR or LF) shows as a line break, and
// each line wraps at the box's width. After every setText the box shows the
// top of its text with the caret at the start.
//
// Positions are indices into text(). The caret and the selection move by
// keyboard and mouse as in any text box that cannot be edited: the arrow,
// Home, End and Page keys (Shift extends the selection), Ctrl+A, double- and
// triple-click, dragging; Ctrl+C copies the selection with every line end as
// LF. Typing, Enter and the keys that edit change nothing and pass on to the
// window, as do Ctrl+Up and Ctrl+Down.
//
// Its context menu holds the text box's own items (copy, select all) in
// Qt's translation, then the actions added to the box: the window's
// commands for the report. A screen reader reads the text through Qt's
// accessible text interface.
class ReportView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ReportView(QWidget *parent = nullptr);
    ~ReportView() override;

    const QString &text() const { return m_lines.text().text; }
    const LinedText &linedText() const { return m_lines.text(); }
    // Finds where the lines start.
    void setText(const QString &text);
    // Takes the line starts as they are: they must be those of the text.
    void setText(const LinedText &text);

    int lineCount() const { return linedText().lineCount(); }
    qsizetype lineStart(int line) const { return linedText().lineStart(line); }
    int lineOf(qsizetype position) const { return linedText().lineOf(position); }
    // The line shown at a point of the viewport; -1 below the last line.
    int lineAt(QPoint viewportPosition) const;
    // The position nearest to a point of the viewport, as a click places it.
    qsizetype positionAt(QPoint viewportPosition) const;
    // Where the character at the position is drawn in the viewport; empty
    // when its line is not in view.
    QRect characterRect(qsizetype position) const;

    qsizetype cursorPosition() const { return m_cursor; }
    // Where the selection began; the cursor position when nothing is selected.
    qsizetype anchorPosition() const { return m_anchor; }
    // Moves the caret, selecting from the anchor with `keepAnchor`, and
    // scrolls it into view.
    void setCursorPosition(qsizetype position, bool keepAnchor = false);
    bool hasSelection() const { return m_cursor != m_anchor; }
    // Where the selection starts and ends, in the text's order.
    std::pair<qsizetype, qsizetype> selectionRange() const { return std::minmax({m_anchor, m_cursor}); }
    // Where the row that shows the position starts and ends, before the
    // blank at which a wrapped row breaks.
    std::pair<qsizetype, qsizetype> rowAround(qsizetype position) const;
    // The selected text with every line end as LF, as Ctrl+C copies it.
    QString selectedText() const;

    // Offsets into the text as a screen reader counts them, each line end
    // one character (built when first asked for).
    const LineFeedOffsets &lineFeedOffsets() const;

    // The context menu for a click at `position`; the caller owns it.
    QMenu *createContextMenu(QPoint position);
    // The caret's rectangle, in the box's coordinates, for
    // Qt::ImCursorRectangle: where the keyboard opens the context menu.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public slots:
    void selectAll();
    void copy() const;

signals:
    void cursorPositionChanged();
    // The line under the mouse pointer as it moves; -1 when the pointer
    // leaves the text or the box.
    void hoveredLineChanged(int line);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    enum class Move { PreviousChar, NextChar, PreviousWord, NextWord, Up, Down, RowStart, RowEnd, Start, End,
                      PageUp, PageDown };
    struct ShownLine {
        int line;
        qreal top; // of its layout, in the viewport
    };

    // Where the caret lands after the move; Page keys scroll the view too.
    qsizetype target(Move move, bool keepAnchor);
    qsizetype rowsAway(int rows) const;
    qsizetype stepped(int direction, QTextLayout::CursorMode mode) const;
    void select(qsizetype anchor, qsizetype position, bool reveal);
    qsizetype withinLines(qsizetype position) const;
    qreal caretX() const;

    // The lines in view, top to bottom, and the one at a height.
    QList<ShownLine> shownLines() const;
    std::optional<ShownLine> shownLineAt(qreal y) const;
    qsizetype hit(QPoint viewportPosition, QTextLine::CursorPosition kind) const;
    // The character at the position, from the caret's place before it to
    // the one after it (none wide at a line's end); none when its line is
    // not in view.
    std::optional<QRectF> placeOf(qsizetype position) const;
    qreal textHeight() const;
    int rowsInView() const;
    void layOut();
    void setTop(TextRow top);
    void revealCursor();
    bool showsWhole(TextRow row) const;

    QRect caretRect() const;
    void updateCaret();
    void restartBlinking();
    void setHoveredLine(int line);
    void hoverAt(QPoint viewportPosition);
    void extendSelectionTo(QPoint viewportPosition);
    void offerSelection() const;
    void dragSelection();

    LineLayouts m_lines;
    mutable std::optional<LineFeedOffsets> m_lineFeedOffsets;
    qsizetype m_cursor = 0;
    qsizetype m_anchor = 0;
    qreal m_desiredX = -1; // of vertical moves; -1 for the caret's own
    TextRow m_top;         // the first row in view
    TextRow m_lastTop;     // the top of the last page

    bool m_caretOn = false;
    QBasicTimer m_blinking;
    bool m_selecting = false;     // the left button drags out a selection
    bool m_mightDrag = false;     // pressed inside the selection
    QPoint m_pressedAt;
    QPoint m_draggedTo;           // where the pointer is while selecting
    QBasicTimer m_autoScrolling;  // while the pointer is above or below
    QBasicTimer m_tripleClick;    // a press now selects the line
    QPoint m_doubleClickedAt;
    int m_hoveredLine = -1;
    int m_wheelUnits = 0;         // rows times 120 not yet scrolled
};
