// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPoint>

class ReportView;

// How the left mouse button selects in the report box, as in any text box:
// a press places the caret, or with Shift extends the selection; dragging
// extends it, a row at a time while the pointer is above or below the box;
// a double-click selects a word, and a third click its line. A press on
// the selection may drag it out of the box as text; a click on it places
// the caret. What is selected is offered where the middle button pastes.
class MouseSelection : public QObject
{
public:
    explicit MouseSelection(ReportView &view);

    void press(QPoint at, bool extending);
    void move(QPoint at);
    void release(QPoint at);
    void doubleClick(QPoint at);
    // A new text: the gesture under way ends.
    void stop();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void extendTo(QPoint at);
    void dragOut();

    ReportView &m_view;
    bool m_selecting = false;    // the left button drags out a selection
    bool m_mightDrag = false;    // pressed inside the selection
    QPoint m_pressedAt;
    QPoint m_draggedTo;          // where the pointer is while selecting
    QBasicTimer m_autoScrolling; // while the pointer is above or below
    QBasicTimer m_tripleClick;   // a press now selects the line
    QPoint m_doubleClickedAt;
};
