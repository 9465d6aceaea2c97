// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextCaret.h"

#include <QKeyEvent>

#include <algorithm>

TextCaret::TextCaret(const LineLayouts &lines)
    : m_lines(lines)
{
}

std::optional<TextCaret::KeyMove> TextCaret::moveOf(const QKeyEvent &key)
{
    static constexpr struct {
        QKeySequence::StandardKey key;
        KeyMove keyMove;
    } KeyMoves[] = {
        {QKeySequence::MoveToPreviousChar, {Move::PreviousChar, false}},
        {QKeySequence::SelectPreviousChar, {Move::PreviousChar, true}},
        {QKeySequence::MoveToNextChar, {Move::NextChar, false}},
        {QKeySequence::SelectNextChar, {Move::NextChar, true}},
        {QKeySequence::MoveToPreviousWord, {Move::PreviousWord, false}},
        {QKeySequence::SelectPreviousWord, {Move::PreviousWord, true}},
        {QKeySequence::MoveToNextWord, {Move::NextWord, false}},
        {QKeySequence::SelectNextWord, {Move::NextWord, true}},
        {QKeySequence::MoveToPreviousLine, {Move::Up, false}},
        {QKeySequence::SelectPreviousLine, {Move::Up, true}},
        {QKeySequence::MoveToNextLine, {Move::Down, false}},
        {QKeySequence::SelectNextLine, {Move::Down, true}},
        {QKeySequence::MoveToStartOfLine, {Move::RowStart, false}},
        {QKeySequence::SelectStartOfLine, {Move::RowStart, true}},
        {QKeySequence::MoveToEndOfLine, {Move::RowEnd, false}},
        {QKeySequence::SelectEndOfLine, {Move::RowEnd, true}},
        {QKeySequence::MoveToStartOfDocument, {Move::Start, false}},
        {QKeySequence::SelectStartOfDocument, {Move::Start, true}},
        {QKeySequence::MoveToEndOfDocument, {Move::End, false}},
        {QKeySequence::SelectEndOfDocument, {Move::End, true}},
        {QKeySequence::MoveToPreviousPage, {Move::PageUp, false}},
        {QKeySequence::SelectPreviousPage, {Move::PageUp, true}},
        {QKeySequence::MoveToNextPage, {Move::PageDown, false}},
        {QKeySequence::SelectNextPage, {Move::PageDown, true}},
    };
    const auto found = std::find_if(std::begin(KeyMoves), std::end(KeyMoves),
                                    [&key](const auto &keyMove) { return key.matches(keyMove.key); });
    if (found == std::end(KeyMoves))
        return std::nullopt;
    return found->keyMove;
}

int TextCaret::pagesOf(Move move)
{
    return move == Move::PageDown ? 1 : move == Move::PageUp ? -1 : 0;
}

void TextCaret::reset()
{
    m_position = m_anchor = 0;
    m_desiredX = -1;
}

// The position kept within the text and out of the middle of a CR LF.
qsizetype TextCaret::withinLines(qsizetype position) const
{
    const LinedText &lines = m_lines.text();
    position = std::clamp<qsizetype>(position, 0, lines.text.size());
    const int line = lines.lineOf(position);
    const qsizetype end = lines.lineEnd(line);
    return position > end && position < lines.lineBreakEnd(line) ? end : position;
}

TextCaret::Change TextCaret::select(qsizetype anchor, qsizetype position)
{
    anchor = withinLines(anchor);
    position = withinLines(position);
    Change change{m_position, position != m_position,
                  std::minmax({anchor, position}) != selectionRange() && (hasSelection() || anchor != position)};
    if (!change.moved && anchor == m_anchor)
        return change;
    m_anchor = anchor;
    m_position = position;
    m_desiredX = -1;
    return change;
}

TextCaret::Change TextCaret::move(KeyMove keyMove, int pageRows)
{
    const bool vertical = keyMove.move == Move::Up || keyMove.move == Move::Down || pagesOf(keyMove.move) != 0;
    if (vertical && m_desiredX < 0)
        m_desiredX = x();
    const qreal column = vertical ? m_desiredX : -1;
    const qsizetype to = target(keyMove, pageRows);
    const Change change = select(keyMove.selecting ? m_anchor : to, to);
    m_desiredX = column;
    return change;
}

qreal TextCaret::x() const
{
    const LinedText &lines = m_lines.text();
    const int line = lines.lineOf(m_position);
    const int column = int(std::min(m_position, lines.lineEnd(line)) - lines.lineStart(line));
    return m_lines.layout(line).lineForTextPosition(column).cursorToX(column);
}

// The position `rows` rows below the cursor (above when negative), at the
// height of the vertical moves' column.
qsizetype TextCaret::rowsAway(int rows) const
{
    const TextRow from = m_lines.rowOf(m_position);
    const TextRow to = m_lines.moved(from, rows);
    if (to == from)
        return m_position;
    return m_lines.text().lineStart(to.line) + m_lines.textRow(to).xToCursor(m_desiredX);
}

// The next (direction 1) or previous (-1) place of the cursor by
// characters or words; a line end is one step.
qsizetype TextCaret::stepped(int direction, QTextLayout::CursorMode mode) const
{
    const LinedText &lines = m_lines.text();
    const int line = lines.lineOf(m_position);
    const qsizetype start = lines.lineStart(line);
    const int column = int(std::min(m_position, lines.lineEnd(line)) - start);
    const QTextLayout &layout = m_lines.layout(line);
    if (direction > 0)
        return column < layout.text().size() ? start + layout.nextCursorPosition(column, mode)
                                             : lines.lineBreakEnd(line);
    if (column > 0)
        return start + layout.previousCursorPosition(column, mode);
    return line > 0 ? lines.lineEnd(line - 1) : 0;
}

qsizetype TextCaret::target(KeyMove keyMove, int pageRows) const
{
    switch (keyMove.move) {
    case Move::PreviousChar: return stepped(-1, QTextLayout::SkipCharacters);
    case Move::NextChar: return stepped(1, QTextLayout::SkipCharacters);
    case Move::PreviousWord: return stepped(-1, QTextLayout::SkipWords);
    case Move::NextWord: return stepped(1, QTextLayout::SkipWords);
    case Move::Start: return 0;
    case Move::End: return m_lines.text().text.size();
    case Move::Up:
    case Move::Down: {
        // Selecting beyond the first or last row takes the rest of the text.
        const int rows = keyMove.move == Move::Up ? -1 : 1;
        const TextRow row = m_lines.rowOf(m_position);
        if (m_lines.moved(row, rows) == row)
            return keyMove.selecting ? (rows < 0 ? 0 : m_lines.text().text.size()) : m_position;
        return rowsAway(rows);
    }
    case Move::PageUp:
    case Move::PageDown: return rowsAway(pagesOf(keyMove.move) * pageRows);
    case Move::RowStart: return m_lines.rowAround(m_position).first;
    case Move::RowEnd: return m_lines.rowAround(m_position).second;
    }
    return m_position;
}
