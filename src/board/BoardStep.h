// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "RowsChange.h"

// One step of the board's history: how the rows changed, and what the user
// saw before and after. The fan is not kept: it is drawn again from the
// rows.
class Board::Step : public BoardHistory::Step
{
public:
    Step(Board &board, RowsChange rows, Shown before, Shown after);

    void undo() override { m_board.restore(m_rows, true, m_before); }
    void redo() override { m_board.restore(m_rows, false, m_after); }
    // The rows it changed, and the report it made, if it made one.
    qint64 keptBytes() const override;
    // The report it found.
    qint64 foundBytes() const override;

private:
    Board &m_board;
    RowsChange m_rows;
    Shown m_before;
    Shown m_after;
};
