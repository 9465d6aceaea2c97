// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LineFeedOffsets.h"
#include "LinedTextView.h"
#include "MouseSelection.h"
#include "TextCaret.h"

#include <QBasicTimer>
#include <QString>

class QHelpEvent;

#include <optional>
#include <utility>

// The read-only box that shows the task and the area report.
//
// It holds the text once, shared with whoever set it, with where its lines
// start, and lays out only the lines in view (LinedTextView): a report of a
// hundred thousand lines shows as fast as one of ten. text() returns
// exactly what was set, CR LF included; each line end (CR LF, CR or LF)
// shows as a line break, and each line wraps at the box's width. After
// every setText the box shows the top of its text with the caret at the
// start; followText keeps the place.
//
// Positions are indices into text(). The caret and the selection move by
// keyboard and mouse as in any text box that cannot be edited: the arrow,
// Home, End and Page keys (Shift extends the selection), Ctrl+A, double- and
// triple-click, dragging (MouseSelection); Ctrl+C copies the selection with
// every line end as LF. Typing and the keys that edit change nothing and
// pass on to the window. Ctrl+Down and Ctrl+Up ask for the next or the
// previous block of the report, Enter and a double-click for the working of
// a line: the box only says so, and whoever knows the report's blocks
// answers.
//
// Its context menu holds the text box's own items (copy, select all), in
// the words the window gives, then the actions added to the box: the
// window's commands for the report. A notice the window gives stands in a
// strip above the text, in the box's frame but not in its text: copying,
// saving and what a screen reader reads of the text stay as they are. The
// tooltip shows below the line under the pointer, never over it. A screen
// reader reads the box through AccessibleReportView, which its signals keep
// up to date.
class ReportView : public LinedTextView
{
    Q_OBJECT

public:
    explicit ReportView(QWidget *parent = nullptr);
    ~ReportView() override;

    // Finds where the lines start.
    void setText(const QString &text);
    // Takes the line starts as they are: they must be those of the text.
    void setText(const LinedText &text);
    // The same text with other numbers in it, as a vertex moves: the lines
    // in view stay, and the caret on its line, as near its column as the
    // line allows.
    void followText(const LinedText &text);

    qsizetype cursorPosition() const { return m_caret.position(); }
    qsizetype anchorPosition() const { return m_caret.anchor(); }
    // Moves the caret, selecting from the anchor with `keepAnchor`, and
    // scrolls it into view.
    void setCursorPosition(qsizetype position, bool keepAnchor = false);
    // Selects from `anchor` to `position`, the caret at `position`, and
    // scrolls it into view.
    void select(qsizetype anchor, qsizetype position);
    bool hasSelection() const { return m_caret.hasSelection(); }
    // Where the selection starts and ends, in the text's order.
    std::pair<qsizetype, qsizetype> selectionRange() const { return m_caret.selectionRange(); }
    // The selected text with every line end as LF, as Ctrl+C copies it.
    QString selectedText() const;
    // Where the mouse's middle button pastes on X11: what was last selected.
    void offerSelection() const;

    // Offsets into the text as a screen reader counts them, each line end
    // one character (built when first asked for).
    const LineFeedOffsets &lineFeedOffsets() const;

    // The words of the text box's own items of the context menu.
    void setTextBoxCaptions(const QString &copy, const QString &selectAll);

    // The caret's rectangle, in the box's coordinates, for
    // Qt::ImCursorRectangle: where the keyboard opens the context menu.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public slots:
    void selectAll();
    void copy() const;

signals:
    // Before and after setText replaces the text, the caret at its start.
    void textAboutToBeReplaced();
    void textReplaced();
    void cursorPositionChanged();
    // The stretch selected changed; not when the caret moves without one.
    void selectionChanged();
    // The line under the mouse pointer as it moves; -1 when the pointer
    // leaves the text or the box.
    void hoveredLineChanged(int line);
    // Ctrl+Down (1) or Ctrl+Up (-1): the caret to the next or previous block.
    void blockStepRequested(int direction);
    // Enter, at the caret's line, or a double-click, at the line clicked
    // (-1 below the last): that line's working shown.
    void workingRequested(int line);
    // The caret no longer shows: the focus went to another control, window
    // or menu.
    void focusLost();

protected:
    void paintEvent(QPaintEvent *event) override;
    void scrolled() override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void replaceText(const LinedText &text, TextRow top, qsizetype caret);
    void showChange(TextCaret::Change change, bool reveal);
    void revealCursor() { reveal(cursorPosition()); }

    QRect caretRect(qsizetype position) const;
    void updateCaret();
    void restartBlinking();
    void setHoveredLine(int line);
    void hoverAt(QPoint viewportPosition);
    void showToolTip(const QHelpEvent &event);

    mutable std::optional<LineFeedOffsets> m_lineFeedOffsets;
    TextCaret m_caret{lines()};
    MouseSelection m_mouse{*this};

    bool m_caretOn = false;
    QBasicTimer m_blinking;
    int m_hoveredLine = -1;
    QString m_copyCaption;
    QString m_selectAllCaption;
};
