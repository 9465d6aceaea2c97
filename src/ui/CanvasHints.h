// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

class Board;
class Canvas;

// The notes over the canvas: a hint, for a few seconds, where what the user
// did did nothing (a press on a closed board, a deletion with no vertex
// picked), which says what to do instead; and while the board is empty, a
// faint line of where the commands beyond the four are; and a notice of
// what the program did by itself at start, until the board first changes or
// a hint answers the user.
// Nothing of them is in the picture or the history.
class CanvasHints : public QObject
{
    Q_OBJECT

public:
    static constexpr int HintMilliseconds = 4000;

    CanvasHints(const Board &board, Canvas &canvas, QObject *parent);

    void hint(const QString &text, int milliseconds = HintMilliseconds);
    void notice(const QString &text);

private:
    void show();

    const Board &m_board;
    Canvas &m_canvas;
    QString m_hint;
    QString m_notice;
    QTimer m_hintShown;
};
