// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MouseSelection.h"

#include "ReportView.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimerEvent>

#include <algorithm>

namespace {

constexpr int AutoScrollInterval = 50; // ms, one row each while dragging beyond the box

} // namespace

MouseSelection::MouseSelection(ReportView &view)
    : m_view(view)
{
}

void MouseSelection::press(QPoint at, bool extending)
{
    const bool thirdClick = m_tripleClick.isActive()
                            && (at - m_doubleClickedAt).manhattanLength() < QApplication::startDragDistance();
    m_tripleClick.stop();
    const qsizetype position = m_view.positionAt(at);
    if (thirdClick) {
        const int line = m_view.lineOf(position);
        m_view.select(m_view.lineStart(line), m_view.linedText().lineEnd(line));
        m_view.offerSelection();
        return;
    }
    const auto [from, to] = m_view.selectionRange();
    // A press on the selection may start dragging it out of the box.
    m_mightDrag = !extending && position >= from && position < to;
    m_pressedAt = at;
    if (m_mightDrag)
        return;
    m_view.select(extending ? m_view.anchorPosition() : position, position);
    m_selecting = true;
    m_draggedTo = at;
}

// With the left button held.
void MouseSelection::move(QPoint at)
{
    if (m_mightDrag) {
        if ((at - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
            m_mightDrag = false;
            dragOut();
        }
        return;
    }
    if (!m_selecting)
        return;
    m_draggedTo = at;
    extendTo(at);
    if (at.y() < 0 || at.y() >= m_view.viewport()->height()) {
        if (!m_autoScrolling.isActive())
            m_autoScrolling.start(AutoScrollInterval, this);
    } else {
        m_autoScrolling.stop();
    }
}

void MouseSelection::release(QPoint at)
{
    m_autoScrolling.stop();
    if (m_mightDrag) // a click on the selection, without dragging
        m_view.setCursorPosition(m_view.positionAt(at));
    else if (m_selecting)
        m_view.offerSelection();
    m_mightDrag = m_selecting = false;
}

void MouseSelection::doubleClick(QPoint at)
{
    const auto [from, to] = m_view.linedText().segmentAround(m_view.positionAt(at, QTextLine::CursorOnCharacter),
                                                             QTextBoundaryFinder::Word);
    m_view.select(from, to);
    m_view.offerSelection();
    m_mightDrag = false;
    m_doubleClickedAt = at;
    m_tripleClick.start(QApplication::doubleClickInterval(), this);
}

void MouseSelection::stop()
{
    m_selecting = m_mightDrag = false;
    m_autoScrolling.stop();
    m_tripleClick.stop();
}

void MouseSelection::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_autoScrolling.timerId()) {
        m_view.scrollRows(m_draggedTo.y() < 0 ? -1 : 1);
        extendTo(m_draggedTo);
    } else if (event->timerId() == m_tripleClick.timerId()) {
        m_tripleClick.stop();
    } else {
        QObject::timerEvent(event);
    }
}

void MouseSelection::extendTo(QPoint at)
{
    const QPoint inside(at.x(), std::clamp(at.y(), 0, m_view.viewport()->height() - 1));
    m_view.select(m_view.anchorPosition(), m_view.positionAt(inside));
}

void MouseSelection::dragOut()
{
    auto *drag = new QDrag(&m_view);
    auto *data = new QMimeData;
    data->setText(m_view.selectedText());
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}
