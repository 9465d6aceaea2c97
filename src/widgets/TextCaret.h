// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LineLayouts.h"

#include <optional>
#include <utility>

class QKeyEvent;

// The caret and the selection of a read-only text over its laid-out rows:
// where the cursor and the anchor are, and where the keys of a text box
// move them. Positions are indices into the text, never inside a CR LF.
//
// Up, Down and the Page keys keep the column where the first of them began,
// across shorter rows, until the caret moves any other way.
class TextCaret
{
public:
    enum class Move { PreviousChar, NextChar, PreviousWord, NextWord, Up, Down, RowStart, RowEnd, Start, End,
                      PageUp, PageDown };
    // What a key asks: a move, and whether it extends the selection.
    struct KeyMove {
        Move move;
        bool selecting;
    };
    // What a change changed.
    struct Change {
        qsizetype from = 0;      // where the cursor was
        bool moved = false;      // the cursor
        bool reselected = false; // the stretch selected
    };

    explicit TextCaret(const LineLayouts &lines);

    // The move of an arrow, Home, End or Page key, Ctrl or Shift with it,
    // as the platform binds them; none for any other key.
    static std::optional<KeyMove> moveOf(const QKeyEvent &key);
    // Pages down (1), up (-1) or none (0): the view scrolls with the caret.
    static int pagesOf(Move move);

    qsizetype position() const { return m_position; }
    qsizetype anchor() const { return m_anchor; }
    bool hasSelection() const { return m_position != m_anchor; }
    // Where the selection starts and ends, in the text's order.
    std::pair<qsizetype, qsizetype> selectionRange() const { return std::minmax({m_anchor, m_position}); }

    // At the start, nothing selected: for a new text.
    void reset();
    // Selects from the anchor to the position, each kept within the text.
    Change select(qsizetype anchor, qsizetype position);
    // Where the key takes the cursor, the anchor too unless it selects; a
    // page is `pageRows` rows.
    Change move(KeyMove keyMove, int pageRows);

private:
    qsizetype target(KeyMove keyMove, int pageRows) const;
    qsizetype rowsAway(int rows) const;
    qsizetype stepped(int direction, QTextLayout::CursorMode mode) const;
    qsizetype withinLines(qsizetype position) const;
    qreal x() const;

    const LineLayouts &m_lines;
    qsizetype m_position = 0;
    qsizetype m_anchor = 0;
    qreal m_desiredX = -1; // of vertical moves; -1 for the caret's own
};
