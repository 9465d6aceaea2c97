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
// what the program did by itself at start, until the user first presses a
// key or a mouse button anywhere in the program, or the board changes: it
// may cover part of the figure, and must not stay over it for the lesson.
// Nothing of them is in the picture or the history.
class CanvasHints : public QObject
{
    Q_OBJECT

public:
    static constexpr int HintMilliseconds = 4000;

    CanvasHints(const Board &board, Canvas &canvas, QObject *parent);

    void hint(const QString &text, int milliseconds = HintMilliseconds);
    void notice(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();

    const Board &m_board;
    Canvas &m_canvas;
    QString m_hint;
    QString m_notice;
    QTimer m_hintShown;
};
