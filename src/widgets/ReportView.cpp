// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportView.h"

#include "TextBoxMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QToolTip>

#include <algorithm>

ReportView::ReportView(QWidget *parent)
    : LinedTextView(parent)
{
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
}

ReportView::~ReportView() = default;

void ReportView::setText(const QString &text)
{
    setText(LinedText::from(text));
}

void ReportView::setText(const LinedText &text)
{
    replaceText(text, {}, 0);
}

void ReportView::followText(const LinedText &text)
{
    const int line = std::min(lineOf(cursorPosition()), text.lineCount() - 1);
    const qsizetype column = cursorPosition() - lineStart(lineOf(cursorPosition()));
    replaceText(text, topRow(), std::min(text.lineStart(line) + column, text.lineEnd(line)));
}

void ReportView::replaceText(const LinedText &text, TextRow top, qsizetype caret)
{
    emit textAboutToBeReplaced();
    m_lineFeedOffsets.reset();
    m_caret.reset();
    m_mouse.stop();
    showText(text, top);
    m_caret.select(caret, caret);
    restartBlinking();
    emit textReplaced();
    emit cursorPositionChanged();
    if (viewport()->underMouse())
        hoverAt(viewport()->mapFromGlobal(QCursor::pos()));
}

const LineFeedOffsets &ReportView::lineFeedOffsets() const
{
    if (!m_lineFeedOffsets)
        m_lineFeedOffsets.emplace(linedText());
    return *m_lineFeedOffsets;
}

QRect ReportView::caretRect(qsizetype position) const
{
    const std::optional<QRectF> place = rows().placeOf(position);
    if (!place)
        return {};
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    return QRectF(place->x(), place->y(), width, place->height()).toAlignedRect();
}

QVariant ReportView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImCursorRectangle)
        return LinedTextView::inputMethodQuery(query);
    QRect caret = caretRect(cursorPosition());
    if (caret.isNull()) // scrolled out of view: the top of the text instead
        caret = QRect(int(LineLayouts::Margin), int(LineLayouts::Margin), 1, fontMetrics().height());
    return caret.translated(viewport()->geometry().topLeft());
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
    const qsizetype cursor = cursorPosition();
    const int caretLine = lineOf(cursor);
    for (const ShownRows::Line &shown : rows().lines()) {
        if (!QRectF(0, shown.top, viewport()->width(), lines().heightOf(shown.line)).intersects(damaged))
            continue;
        const QTextLayout &layout = lines().layout(shown.line);
        const qsizetype start = lineStart(shown.line);
        const qsizetype end = linedText().lineEnd(shown.line);
        selected.start = int(std::clamp(from, start, end) - start);
        selected.length = int(std::clamp(to, start, end) - start) - selected.start;
        const QPointF origin(0, shown.top);
        layout.draw(&painter, origin, selected.length > 0 ? QList{selected} : QList<QTextLayout::FormatRange>(),
                    damaged);
        if (m_caretOn && shown.line == caretLine)
            layout.drawCursor(&painter, origin, int(std::min(cursor, end) - start),
                              style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    }
}

void ReportView::updateCaret()
{
    const QRect caret = caretRect(cursorPosition());
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
    LinedTextView::focusInEvent(event);
    restartBlinking();
    viewport()->update(); // the selection in the colours of the focus
}

void ReportView::focusOutEvent(QFocusEvent *event)
{
    emit focusLost();
    LinedTextView::focusOutEvent(event);
    m_blinking.stop();
    m_caretOn = false;
    viewport()->update();
}

void ReportView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_blinking.timerId()) {
        m_caretOn = !m_caretOn;
        updateCaret();
    } else {
        LinedTextView::timerEvent(event);
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
    select(keepAnchor ? m_caret.anchor() : position, position);
}

void ReportView::select(qsizetype anchor, qsizetype position)
{
    showChange(m_caret.select(anchor, position), true);
}

void ReportView::selectAll()
{
    showChange(m_caret.select(0, text().size()), false);
}

void ReportView::copy() const
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void ReportView::offerSelection() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void ReportView::showChange(TextCaret::Change change, bool reveal)
{
    if (!change.moved && !change.reselected) {
        if (reveal)
            revealCursor();
        return;
    }
    const QRect oldCaret = caretRect(change.from);
    if (reveal)
        revealCursor();
    if (change.reselected)
        viewport()->update();
    else if (!oldCaret.isNull())
        viewport()->update(oldCaret.adjusted(-1, 0, 1, 0));
    restartBlinking();
    if (change.reselected)
        emit selectionChanged();
    if (change.moved)
        emit cursorPositionChanged();
}

// --- keyboard -------------------------------------------------------------------

void ReportView::keyPressEvent(QKeyEvent *event)
{
    const bool arrowUpOrDown = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (event->modifiers() == Qt::ControlModifier && arrowUpOrDown) {
        emit blockStepRequested(event->key() == Qt::Key_Down ? 1 : -1);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit workingRequested(lineOf(cursorPosition()));
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        offerSelection();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->key() == Qt::Key_Space && (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
        // A page on, or back with Shift, as in Qt's own read-only boxes.
        scrollRows(event->modifiers() ? -rowsInView() : rowsInView());
    } else if (const std::optional<TextCaret::KeyMove> keyMove = TextCaret::moveOf(*event)) {
        // The view scrolls a page, and the caret goes along with it.
        if (const int pages = TextCaret::pagesOf(keyMove->move))
            scrollRows(pages * rowsInView());
        showChange(m_caret.move(*keyMove, rowsInView()), true);
        if (keyMove->selecting)
            offerSelection();
    } else {
        event->ignore(); // nothing to edit: the window may want the key
        return;
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
    m_mouse.press(event->position().toPoint(), event->modifiers() & Qt::ShiftModifier);
}

void ReportView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    hoverAt(at);
    if (event->buttons() & Qt::LeftButton)
        m_mouse.move(at);
}

void ReportView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_mouse.release(event->position().toPoint());
}

void ReportView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit workingRequested(lineAt(at));
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_mouse.doubleClick(at);
}

bool ReportView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        setHoveredLine(-1);
    if (event->type() == QEvent::ToolTip) {
        showToolTip(*static_cast<QHelpEvent *>(event));
        return true;
    }
    return LinedTextView::viewportEvent(event);
}

// Below the rows of the line under the pointer, which stays readable; it
// goes when the pointer leaves them.
void ReportView::showToolTip(const QHelpEvent &event)
{
    const int line = lineAt(event.pos());
    QRect rows = viewport()->rect();
    if (line >= 0) {
        const QRect first = characterRect(lineStart(line)), last = characterRect(linedText().lineEnd(line));
        rows = QRect(QPoint(0, first.isNull() ? 0 : first.top()),
                     QPoint(viewport()->width() - 1, last.isNull() ? viewport()->height() - 1 : last.bottom()));
    }
    // Qt puts the tip a pointer's height below the point it is given.
    QToolTip::showText(viewport()->mapToGlobal(QPoint(event.pos().x(), rows.bottom())), toolTip(), viewport(), rows);
}

// The line under the pointer, after the view scrolled under it.
void ReportView::scrolled()
{
    if (viewport()->underMouse())
        hoverAt(viewport()->mapFromGlobal(QCursor::pos()));
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

void ReportView::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new TextBoxMenu(this, m_copyCaption, m_selectAllCaption);
    menu->copyAction()->setEnabled(hasSelection());
    connect(menu->copyAction(), &QAction::triggered, this, &ReportView::copy);
    menu->selectAllAction()->setEnabled(!text().isEmpty());
    connect(menu->selectAllAction(), &QAction::triggered, this, &ReportView::selectAll);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ReportView::setTextBoxCaptions(const QString &copy, const QString &selectAll)
{
    m_copyCaption = copy;
    m_selectAllCaption = selectAll;
}
