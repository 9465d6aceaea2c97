// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanvasHints.h"

#include "Board.h"
#include "Canvas.h"
#include "Messages.h"

CanvasHints::CanvasHints(const Board &board, Canvas &canvas, QObject *parent)
    : QObject(parent), m_board(board), m_canvas(canvas)
{
    m_hintShown.setSingleShot(true);
    m_hintShown.setInterval(HintMilliseconds);
    connect(&m_hintShown, &QTimer::timeout, this, &CanvasHints::show);
    // Placed, cleared, undone: the faint line comes and goes with the rows.
    connect(&board, &Board::verticesPlaced, this, &CanvasHints::show);
    connect(&board, &Board::figureChanged, this, &CanvasHints::show);
    show();
}

void CanvasHints::hint(const QString &text)
{
    m_hint = text;
    m_hintShown.start();
    show();
}

void CanvasHints::show()
{
    if (m_hintShown.isActive())
        m_canvas.setNote({m_hint, CanvasNote::Look::Hint});
    else if (m_board.vertices().vertexCount() == 0)
        m_canvas.setNote({Messages::whereMoreIs(), CanvasNote::Look::Faint});
    else
        m_canvas.setNote({});
}
