// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportView.h"

#include "AccessibleReportView.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleHints>

#include <algorithm>

namespace {

constexpr qreal Margin = LineLayouts::Margin;
constexpr int AutoScrollInterval = 50; // ms, one row each while dragging beyond the box

// One of the items a read-only text box of Qt's own has in its context
// menu: in Qt's words and Qt's translation, with its shortcut and its icon
// from the desktop's theme.
QAction *addTextBoxItem(QMenu *menu, const char *words, QKeySequence::StandardKey key, const QString &icon)
{
    QString caption = QCoreApplication::translate("QWidgetTextControl", words);
    if (!QCoreApplication::testAttribute(Qt::AA_DontShowShortcutsInContextMenus))
        caption += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
    QAction *action = menu->addAction(caption);
    action->setIcon(QIcon::fromTheme(icon));
    action->setObjectName(icon);
    return action;
}

} // namespace

ReportView::ReportView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    AccessibleReportView::install();
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    m_lines.setFont(font());
    layOut();
}

ReportView::~ReportView() = default;

void ReportView::setText(const QString &text)
{
    setText(LinedText::from(text));
}

void ReportView::setText(const LinedText &text)
{
    const qsizetype shownBefore = QAccessible::isActive() ? lineFeedOffsets().length() : 0;
    m_lineFeedOffsets.reset();
    m_lines.setText(text);
    m_cursor = m_anchor = 0;
    m_desiredX = -1;
    m_top = {};
    m_selecting = m_mightDrag = false;
    m_autoScrolling.stop();
    m_tripleClick.stop();
    layOut();
    restartBlinking();
    emit cursorPositionChanged();
    AccessibleReportView::textReplaced(this, shownBefore);
    if (viewport()->underMouse())
        hoverAt(viewport()->mapFromGlobal(QCursor::pos()));
}

const LineFeedOffsets &ReportView::lineFeedOffsets() const
{
    if (!m_lineFeedOffsets)
        m_lineFeedOffsets.emplace(linedText());
    return *m_lineFeedOffsets;
}

// --- where lines and positions are shown ----------------------------------------

QList<ReportView::ShownLine> ReportView::shownLines() const
{
    QList<ShownLine> shown;
    qreal top = Margin - m_lines.textRow(m_top).y();
    for (int line = m_top.line; line < lineCount() && top < viewport()->height(); ++line) {
        shown.append({line, top});
        top += m_lines.heightOf(line);
    }
    return shown;
}

std::optional<ReportView::ShownLine> ReportView::shownLineAt(qreal y) const
{
    qreal top = Margin - m_lines.textRow(m_top).y();
    for (int line = m_top.line; line < lineCount(); ++line) {
        const qreal bottom = top + m_lines.heightOf(line);
        if (y < bottom)
            return ShownLine{line, top};
        top = bottom;
    }
    return std::nullopt;
}

int ReportView::lineAt(QPoint viewportPosition) const
{
    const std::optional<ShownLine> shown = shownLineAt(viewportPosition.y());
    return shown ? shown->line : -1;
}

qsizetype ReportView::positionAt(QPoint viewportPosition) const
{
    return hit(viewportPosition, QTextLine::CursorBetweenCharacters);
}

// Above the rows in view is their first; below the text, its end.
qsizetype ReportView::hit(QPoint viewportPosition, QTextLine::CursorPosition kind) const
{
    const qreal y = std::max<qreal>(viewportPosition.y(), Margin);
    const std::optional<ShownLine> shown = shownLineAt(y);
    if (!shown)
        return linedText().lineEnd(lineCount() - 1);
    const QTextLayout &layout = m_lines.layout(shown->line);
    QTextLine row = layout.lineAt(0);
    for (int i = 1; i < layout.lineCount() && layout.lineAt(i).y() <= y - shown->top; ++i)
        row = layout.lineAt(i);
    return lineStart(shown->line) + row.xToCursor(viewportPosition.x(), kind);
}

std::optional<QRectF> ReportView::placeOf(qsizetype position) const
{
    const int line = lineOf(position);
    for (const ShownLine &shown : shownLines()) {
        if (shown.line != line)
            continue;
        const QTextLayout &layout = m_lines.layout(line);
        const int column = int(std::min(position, linedText().lineEnd(line)) - lineStart(line));
        const QTextLine row = layout.lineForTextPosition(column);
        const qreal x = row.cursorToX(column);
        const qreal next = column < layout.text().size() ? row.cursorToX(column + 1) : x;
        return QRectF(std::min(x, next), shown.top + row.y(), std::abs(next - x), row.height());
    }
    return std::nullopt;
}

QRect ReportView::characterRect(qsizetype position) const
{
    const std::optional<QRectF> place = placeOf(position);
    return place ? place->toAlignedRect() : QRect();
}

QRect ReportView::caretRect() const
{
    const std::optional<QRectF> place = placeOf(m_cursor);
    if (!place)
        return {};
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    return QRectF(place->x(), place->y(), width, place->height()).toAlignedRect();
}

QVariant ReportView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImCursorRectangle)
        return QAbstractScrollArea::inputMethodQuery(query);
    QRect caret = caretRect();
    if (caret.isNull()) // scrolled out of view: the top of the text instead
        caret = QRect(int(Margin), int(Margin), 1, fontMetrics().height());
    return caret.translated(viewport()->geometry().topLeft());
}

// --- scrolling ------------------------------------------------------------------

qreal ReportView::textHeight() const
{
    return viewport()->height() - 2 * Margin;
}

int ReportView::rowsInView() const
{
    return std::max(1, int(textHeight() / QFontMetricsF(font()).lineSpacing()));
}

// The rows wrap at the viewport's width; the scroll bar counts lines, and
// its end shows the last line at the bottom.
void ReportView::layOut()
{
    m_lines.setWidth(viewport()->width() - 2 * Margin);
    m_lastTop = m_lines.topShowing(m_lines.lastRow(), textHeight());
    m_top.row = std::min(m_top.row, m_lines.layout(m_top.line).lineCount() - 1);
    m_top = std::min(m_top, m_lastTop);
    QScrollBar *bar = verticalScrollBar();
    const QSignalBlocker quiet(bar);
    bar->setRange(0, m_lastTop.line);
    bar->setPageStep(rowsInView());
    bar->setValue(m_top.line);
    viewport()->update();
}

void ReportView::setTop(TextRow top)
{
    top = std::min(top, m_lastTop);
    if (top == m_top)
        return;
    m_top = top;
    {
        const QSignalBlocker quiet(verticalScrollBar());
        verticalScrollBar()->setValue(top.line);
    }
    viewport()->update();
    if (viewport()->underMouse())
        hoverAt(viewport()->mapFromGlobal(QCursor::pos()));
}

// The scroll bar moved: its line at the top, or the last page at its end.
void ReportView::scrollContentsBy(int, int)
{
    const int line = verticalScrollBar()->value();
    if (line != m_top.line)
        setTop(line == m_lastTop.line ? m_lastTop : TextRow{line, 0});
}

bool ReportView::showsWhole(TextRow row) const
{
    qreal filled = 0;
    for (TextRow shown = m_top;;) {
        filled += m_lines.textRow(shown).height();
        if (filled > textHeight())
            return false;
        if (shown == row)
            return true;
        const TextRow next = m_lines.moved(shown, 1);
        if (next == shown)
            return false;
        shown = next;
    }
}

void ReportView::revealCursor()
{
    const TextRow row = m_lines.rowOf(m_cursor);
    if (row < m_top)
        setTop(row);
    else if (!showsWhole(row))
        setTop(m_lines.topShowing(row, textHeight()));
}

void ReportView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    layOut();
}

void ReportView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_lines.setFont(font());
        layOut();
    }
}

// Rows by the wheel, so that no row of a long line is skipped; Ctrl with
// the wheel enlarges or shrinks the text, as in Qt's own read-only boxes.
void ReportView::wheelEvent(QWheelEvent *event)
{
    const int angle = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        QFont larger = font();
        const qreal size = larger.pointSizeF() + angle / 120.0; // a point a notch
        if (size > 0) {
            larger.setPointSizeF(size);
            setFont(larger);
        }
    } else {
        m_wheelUnits += angle * QApplication::wheelScrollLines();
        const int rows = m_wheelUnits / 120;
        m_wheelUnits -= rows * 120;
        setTop(m_lines.moved(m_top, -rows));
    }
    event->accept();
}

// --- painting -------------------------------------------------------------------

void ReportView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect damaged = event->rect();
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    painter.setPen(palette().color(group, QPalette::Text));
    QTextLayout::FormatRange selected;
    selected.format.setBackground(palette().brush(group, QPalette::Highlight));
    selected.format.setForeground(palette().brush(group, QPalette::HighlightedText));
    const auto [from, to] = selectionRange();
    const int caretLine = lineOf(m_cursor);
    for (const ShownLine &shown : shownLines()) {
        if (!QRectF(0, shown.top, viewport()->width(), m_lines.heightOf(shown.line)).intersects(damaged))
            continue;
        const QTextLayout &layout = m_lines.layout(shown.line);
        const qsizetype start = lineStart(shown.line);
        const qsizetype end = linedText().lineEnd(shown.line);
        selected.start = int(std::clamp(from, start, end) - start);
        selected.length = int(std::clamp(to, start, end) - start) - selected.start;
        const QPointF origin(0, shown.top);
        layout.draw(&painter, origin, selected.length > 0 ? QList{selected} : QList<QTextLayout::FormatRange>(),
                    damaged);
        if (m_caretOn && shown.line == caretLine)
            layout.drawCursor(&painter, origin, int(std::min(m_cursor, end) - start),
                              style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    }
}

void ReportView::updateCaret()
{
    const QRect caret = caretRect();
    if (!caret.isNull())
        viewport()->update(caret.adjusted(-1, 0, 1, 0));
}

void ReportView::restartBlinking()
{
    if (!hasFocus())
        return;
    m_caretOn = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime >= 2)
        m_blinking.start(flashTime / 2, this);
    else
        m_blinking.stop();
    updateCaret();
}

void ReportView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlinking();
    viewport()->update(); // the selection in the colours of the focus
}

void ReportView::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_blinking.stop();
    m_caretOn = false;
    viewport()->update();
}

void ReportView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_blinking.timerId()) {
        m_caretOn = !m_caretOn;
        updateCaret();
    } else if (event->timerId() == m_autoScrolling.timerId()) {
        setTop(m_lines.moved(m_top, m_draggedTo.y() < 0 ? -1 : 1));
        extendSelectionTo(m_draggedTo);
    } else if (event->timerId() == m_tripleClick.timerId()) {
        m_tripleClick.stop();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

// --- the caret and the selection ------------------------------------------------

QString ReportView::selectedText() const
{
    const auto [from, to] = selectionRange();
    return linedText().withLineFeeds(from, to);
}

void ReportView::setCursorPosition(qsizetype position, bool keepAnchor)
{
    select(keepAnchor ? m_anchor : position, position, true);
}

void ReportView::selectAll()
{
    select(0, text().size(), false);
}

void ReportView::copy() const
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

// Where the mouse's middle button pastes on X11: what was last selected.
void ReportView::offerSelection() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

// The position kept within the text and out of the middle of a CR LF.
qsizetype ReportView::withinLines(qsizetype position) const
{
    position = std::clamp<qsizetype>(position, 0, text().size());
    const int line = lineOf(position);
    const qsizetype end = linedText().lineEnd(line);
    return position > end && position < linedText().lineBreakEnd(line) ? end : position;
}

void ReportView::select(qsizetype anchor, qsizetype position, bool reveal)
{
    anchor = withinLines(anchor);
    position = withinLines(position);
    const bool moved = position != m_cursor;
    const bool reselected = std::minmax({anchor, position}) != selectionRange()
                            && (hasSelection() || anchor != position);
    if (!moved && anchor == m_anchor) {
        if (reveal)
            revealCursor();
        return;
    }
    const QRect oldCaret = caretRect();
    m_anchor = anchor;
    m_cursor = position;
    m_desiredX = -1;
    if (reveal)
        revealCursor();
    if (reselected)
        viewport()->update();
    else if (!oldCaret.isNull())
        viewport()->update(oldCaret.adjusted(-1, 0, 1, 0));
    restartBlinking();
    if (moved)
        emit cursorPositionChanged();
    AccessibleReportView::cursorMoved(this, moved, reselected);
}

qreal ReportView::caretX() const
{
    const int line = lineOf(m_cursor);
    const int column = int(std::min(m_cursor, linedText().lineEnd(line)) - lineStart(line));
    return m_lines.layout(line).lineForTextPosition(column).cursorToX(column);
}

std::pair<qsizetype, qsizetype> ReportView::rowAround(qsizetype position) const
{
    const int line = lineOf(position);
    const QTextLayout &layout = m_lines.layout(line);
    const QTextLine row = layout.lineAt(m_lines.rowOf(position).row);
    int end = row.textStart() + row.textLength();
    if (row.lineNumber() + 1 < layout.lineCount() && end > row.textStart() && layout.text()[end - 1].isSpace())
        --end;
    return {lineStart(line) + row.textStart(), lineStart(line) + end};
}

// The position `rows` rows below the caret (above when negative), at the
// height of the vertical moves' column.
qsizetype ReportView::rowsAway(int rows) const
{
    const TextRow from = m_lines.rowOf(m_cursor);
    const TextRow to = m_lines.moved(from, rows);
    if (to == from)
        return m_cursor;
    return lineStart(to.line) + m_lines.textRow(to).xToCursor(m_desiredX);
}

// The next (direction 1) or previous (-1) place of the caret by
// characters or words; a line end is one step.
qsizetype ReportView::stepped(int direction, QTextLayout::CursorMode mode) const
{
    const LinedText &lines = linedText();
    const int line = lineOf(m_cursor);
    const int column = int(std::min(m_cursor, lines.lineEnd(line)) - lineStart(line));
    const QTextLayout &layout = m_lines.layout(line);
    if (direction > 0)
        return column < layout.text().size() ? lineStart(line) + layout.nextCursorPosition(column, mode)
                                             : lines.lineBreakEnd(line);
    if (column > 0)
        return lineStart(line) + layout.previousCursorPosition(column, mode);
    return line > 0 ? lines.lineEnd(line - 1) : 0;
}

qsizetype ReportView::target(Move move, bool keepAnchor)
{
    switch (move) {
    case Move::PreviousChar: return stepped(-1, QTextLayout::SkipCharacters);
    case Move::NextChar: return stepped(1, QTextLayout::SkipCharacters);
    case Move::PreviousWord: return stepped(-1, QTextLayout::SkipWords);
    case Move::NextWord: return stepped(1, QTextLayout::SkipWords);
    case Move::Start: return 0;
    case Move::End: return text().size();
    case Move::Up:
    case Move::Down: {
        // Selecting beyond the first or last row takes the rest of the text.
        const int rows = move == Move::Up ? -1 : 1;
        const TextRow row = m_lines.rowOf(m_cursor);
        if (m_lines.moved(row, rows) == row)
            return keepAnchor ? (rows < 0 ? 0 : text().size()) : m_cursor;
        return rowsAway(rows);
    }
    case Move::PageUp:
    case Move::PageDown: {
        // The view scrolls a page, and the caret goes along with it.
        const int rows = move == Move::PageUp ? -rowsInView() : rowsInView();
        setTop(m_lines.moved(m_top, rows));
        return rowsAway(rows);
    }
    case Move::RowStart: return rowAround(m_cursor).first;
    case Move::RowEnd: return rowAround(m_cursor).second;
    }
    return m_cursor;
}

// --- keyboard -------------------------------------------------------------------

void ReportView::keyPressEvent(QKeyEvent *event)
{
    static constexpr struct {
        QKeySequence::StandardKey key;
        Move move;
        bool selecting;
    } KeyMoves[] = {
        {QKeySequence::MoveToPreviousChar, Move::PreviousChar, false},
        {QKeySequence::SelectPreviousChar, Move::PreviousChar, true},
        {QKeySequence::MoveToNextChar, Move::NextChar, false},
        {QKeySequence::SelectNextChar, Move::NextChar, true},
        {QKeySequence::MoveToPreviousWord, Move::PreviousWord, false},
        {QKeySequence::SelectPreviousWord, Move::PreviousWord, true},
        {QKeySequence::MoveToNextWord, Move::NextWord, false},
        {QKeySequence::SelectNextWord, Move::NextWord, true},
        {QKeySequence::MoveToPreviousLine, Move::Up, false},
        {QKeySequence::SelectPreviousLine, Move::Up, true},
        {QKeySequence::MoveToNextLine, Move::Down, false},
        {QKeySequence::SelectNextLine, Move::Down, true},
        {QKeySequence::MoveToStartOfLine, Move::RowStart, false},
        {QKeySequence::SelectStartOfLine, Move::RowStart, true},
        {QKeySequence::MoveToEndOfLine, Move::RowEnd, false},
        {QKeySequence::SelectEndOfLine, Move::RowEnd, true},
        {QKeySequence::MoveToStartOfDocument, Move::Start, false},
        {QKeySequence::SelectStartOfDocument, Move::Start, true},
        {QKeySequence::MoveToEndOfDocument, Move::End, false},
        {QKeySequence::SelectEndOfDocument, Move::End, true},
        {QKeySequence::MoveToPreviousPage, Move::PageUp, false},
        {QKeySequence::SelectPreviousPage, Move::PageUp, true},
        {QKeySequence::MoveToNextPage, Move::PageDown, false},
        {QKeySequence::SelectNextPage, Move::PageDown, true},
    };
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        offerSelection();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->key() == Qt::Key_Space && (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
        // A page on, or back with Shift, as in Qt's own read-only boxes.
        setTop(m_lines.moved(m_top, event->modifiers() ? -rowsInView() : rowsInView()));
    } else {
        const auto keyMove = std::find_if(std::begin(KeyMoves), std::end(KeyMoves),
                                          [event](const auto &keyMove) { return event->matches(keyMove.key); });
        if (keyMove == std::end(KeyMoves)) {
            event->ignore(); // nothing to edit: the window may want the key
            return;
        }
        const bool vertical = keyMove->move == Move::Up || keyMove->move == Move::Down
                              || keyMove->move == Move::PageUp || keyMove->move == Move::PageDown;
        if (vertical && m_desiredX < 0)
            m_desiredX = caretX();
        const qreal column = vertical ? m_desiredX : -1;
        const qsizetype to = target(keyMove->move, keyMove->selecting);
        select(keyMove->selecting ? m_anchor : to, to, true);
        m_desiredX = column;
        if (keyMove->selecting)
            offerSelection();
    }
    event->accept();
}

// --- mouse ----------------------------------------------------------------------

void ReportView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint at = event->position().toPoint();
    const bool thirdClick = m_tripleClick.isActive()
                            && (at - m_doubleClickedAt).manhattanLength() < QApplication::startDragDistance();
    m_tripleClick.stop();
    const qsizetype position = positionAt(at);
    if (thirdClick) {
        const int line = lineOf(position);
        select(lineStart(line), linedText().lineEnd(line), true);
        offerSelection();
        return;
    }
    const bool extending = event->modifiers() & Qt::ShiftModifier;
    const auto [from, to] = selectionRange();
    // A press on the selection may start dragging it out of the box.
    m_mightDrag = !extending && position >= from && position < to;
    m_pressedAt = at;
    if (m_mightDrag)
        return;
    select(extending ? m_anchor : position, position, true);
    m_selecting = true;
    m_draggedTo = at;
}

void ReportView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    hoverAt(at);
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (m_mightDrag) {
        if ((at - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
            m_mightDrag = false;
            dragSelection();
        }
        return;
    }
    if (!m_selecting)
        return;
    m_draggedTo = at;
    extendSelectionTo(at);
    if (at.y() < 0 || at.y() >= viewport()->height()) {
        if (!m_autoScrolling.isActive())
            m_autoScrolling.start(AutoScrollInterval, this);
    } else {
        m_autoScrolling.stop();
    }
}

void ReportView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_autoScrolling.stop();
    if (m_mightDrag) // a click on the selection, without dragging
        setCursorPosition(positionAt(event->position().toPoint()));
    else if (m_selecting)
        offerSelection();
    m_mightDrag = m_selecting = false;
}

void ReportView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint at = event->position().toPoint();
    const auto [from, to] =
        linedText().segmentAround(hit(at, QTextLine::CursorOnCharacter), QTextBoundaryFinder::Word);
    select(from, to, true);
    offerSelection();
    m_mightDrag = false;
    m_doubleClickedAt = at;
    m_tripleClick.start(QApplication::doubleClickInterval(), this);
}

void ReportView::extendSelectionTo(QPoint viewportPosition)
{
    const QPoint inside(viewportPosition.x(), std::clamp(viewportPosition.y(), 0, viewport()->height() - 1));
    select(m_anchor, positionAt(inside), true);
}

void ReportView::dragSelection()
{
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setText(selectedText());
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

bool ReportView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        setHoveredLine(-1);
    return QAbstractScrollArea::viewportEvent(event);
}

void ReportView::hoverAt(QPoint viewportPosition)
{
    setHoveredLine(viewport()->rect().contains(viewportPosition) ? lineAt(viewportPosition) : -1);
}

void ReportView::setHoveredLine(int line)
{
    if (line == m_hoveredLine)
        return;
    m_hoveredLine = line;
    emit hoveredLineChanged(line);
}

// --- context menu ---------------------------------------------------------------

QMenu *ReportView::createContextMenu(QPoint)
{
    auto *menu = new QMenu(this);
    QAction *copying = addTextBoxItem(menu, "&Copy", QKeySequence::Copy, QStringLiteral("edit-copy"));
    copying->setEnabled(hasSelection());
    connect(copying, &QAction::triggered, this, &ReportView::copy);
    menu->addSeparator();
    QAction *selectingAll =
        addTextBoxItem(menu, "Select All", QKeySequence::SelectAll, QStringLiteral("edit-select-all"));
    selectingAll->setEnabled(!text().isEmpty());
    connect(selectingAll, &QAction::triggered, this, &ReportView::selectAll);
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    return menu;
}

void ReportView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
