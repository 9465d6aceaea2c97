// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanvasHints.h"

#include "Board.h"
#include "Canvas.h"
#include "Messages.h"

#include <QCoreApplication>
#include <QEvent>

CanvasHints::CanvasHints(const Board &board, Canvas &canvas, QObject *parent)
    : QObject(parent), m_board(board), m_canvas(canvas)
{
    m_hintShown.setSingleShot(true);
    connect(&m_hintShown, &QTimer::timeout, this, &CanvasHints::show);
    // Placed, cleared, undone: the faint line comes and goes with the rows,
    // and a notice goes.
    const auto changed = [this] {
        m_notice.clear();
        show();
    };
    connect(&board, &Board::verticesPlaced, this, changed);
    connect(&board, &Board::figureChanged, this, changed);
    show();
}

// A hint answers what the user did: a notice has had its moment.
void CanvasHints::hint(const QString &text, int milliseconds)
{
    m_notice.clear();
    m_hint = text;
    m_hintShown.start(milliseconds);
    show();
}

void CanvasHints::notice(const QString &text)
{
    m_notice = text;
    QCoreApplication::instance()->installEventFilter(this);
    show();
}

// The user's first key or button after a notice says it has been seen; the
// event itself goes on to do what it does.
bool CanvasHints::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        QCoreApplication::instance()->removeEventFilter(this);
        if (!m_notice.isEmpty()) {
            m_notice.clear();
            show();
        }
    }
    return false;
}

void CanvasHints::show()
{
    if (m_hintShown.isActive())
        m_canvas.setNote({m_hint, CanvasNote::Look::Hint});
    else if (!m_notice.isEmpty())
        m_canvas.setNote({m_notice, CanvasNote::Look::Hint});
    else if (m_board.vertices().vertexCount() == 0)
        m_canvas.setNote({Messages::whereMoreIs(), CanvasNote::Look::Faint});
    else
        m_canvas.setNote({});
}
