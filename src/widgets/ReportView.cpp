// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportView.h"

#include "TextBoxMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHelpEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleHints>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr qreal Margin = LineLayouts::Margin;
constexpr int AutoScrollInterval = 50; // ms, one row each while dragging beyond the box

} // namespace

ReportView::ReportView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
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
    emit textAboutToBeReplaced();
    m_lineFeedOffsets.reset();
    m_lines.setText(text);
    m_caret.reset();
    m_rows.setTop({});
    m_selecting = m_mightDrag = false;
    m_autoScrolling.stop();
    m_tripleClick.stop();
    layOut();
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

// --- where lines and positions are shown ----------------------------------------

int ReportView::lineAt(QPoint viewportPosition) const
{
    const std::optional<ShownRows::Line> shown = m_rows.lineAt(viewportPosition.y());
    return shown ? shown->line : -1;
}

qsizetype ReportView::positionAt(QPoint viewportPosition) const
{
    return m_rows.positionAt(viewportPosition, QTextLine::CursorBetweenCharacters);
}

QRect ReportView::characterRect(qsizetype position) const
{
    const std::optional<QRectF> place = m_rows.placeOf(position);
    return place ? place->toAlignedRect() : QRect();
}

QRect ReportView::caretRect(qsizetype position) const
{
    const std::optional<QRectF> place = m_rows.placeOf(position);
    if (!place)
        return {};
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    return QRectF(place->x(), place->y(), width, place->height()).toAlignedRect();
}

QVariant ReportView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImCursorRectangle)
        return QAbstractScrollArea::inputMethodQuery(query);
    QRect caret = caretRect(cursorPosition());
    if (caret.isNull()) // scrolled out of view: the top of the text instead
        caret = QRect(int(Margin), int(Margin), 1, fontMetrics().height());
    return caret.translated(viewport()->geometry().topLeft());
}

// --- scrolling ------------------------------------------------------------------

int ReportView::rowsInView() const
{
    return std::max(1, int(m_rows.textHeight() / QFontMetricsF(font()).lineSpacing()));
}

// The rows wrap at the viewport's width; the scroll bar counts lines, and
// its end shows the last line at the bottom.
void ReportView::layOut()
{
    m_lines.setWidth(viewport()->width() - 2 * Margin);
    m_rows.layOut(viewport()->height());
    QScrollBar *bar = verticalScrollBar();
    const QSignalBlocker quiet(bar);
    bar->setRange(0, m_rows.lastTop().line);
    bar->setPageStep(rowsInView());
    bar->setValue(m_rows.top().line);
    viewport()->update();
}

void ReportView::setTop(TextRow top)
{
    if (!m_rows.setTop(top))
        return;
    {
        const QSignalBlocker quiet(verticalScrollBar());
        verticalScrollBar()->setValue(m_rows.top().line);
    }
    viewport()->update();
    if (viewport()->underMouse())
        hoverAt(viewport()->mapFromGlobal(QCursor::pos()));
}

// The scroll bar moved: its line at the top, or the last page at its end.
void ReportView::scrollContentsBy(int, int)
{
    const int line = verticalScrollBar()->value();
    if (line != m_rows.top().line)
        setTop(line == m_rows.lastTop().line ? m_rows.lastTop() : TextRow{line, 0});
}

void ReportView::revealCursor()
{
    setTop(m_rows.topShowing(m_lines.rowOf(cursorPosition())));
}

void ReportView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    placeNotice();
    layOut();
}

void ReportView::setNotice(const QString &notice)
{
    if (!m_notice) {
        m_notice = new QLabel(this);
        m_notice->setAutoFillBackground(true);
        m_notice->setBackgroundRole(QPalette::ToolTipBase);
        m_notice->setForegroundRole(QPalette::ToolTipText);
        m_notice->setIndent(int(Margin));
    }
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
    placeNotice();
}

// The strip above the viewport, which gives up its height.
void ReportView::placeNotice()
{
    const bool shown = m_notice && !m_notice->text().isEmpty();
    const int height = shown ? m_notice->sizeHint().height() : 0;
    setViewportMargins(0, height, 0, 0);
    if (shown)
        m_notice->setGeometry(QRect(contentsRect().topLeft(), QSize(contentsRect().width(), height)));
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
        setTop(m_lines.moved(m_rows.top(), -rows));
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
    const qsizetype cursor = cursorPosition();
    const int caretLine = lineOf(cursor);
    for (const ShownRows::Line &shown : m_rows.lines()) {
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
    QAbstractScrollArea::focusInEvent(event);
    restartBlinking();
    viewport()->update(); // the selection in the colours of the focus
}

void ReportView::focusOutEvent(QFocusEvent *event)
{
    emit focusLost();
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
        setTop(m_lines.moved(m_rows.top(), m_draggedTo.y() < 0 ? -1 : 1));
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
    select(keepAnchor ? m_caret.anchor() : position, position, true);
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

void ReportView::select(qsizetype anchor, qsizetype position, bool reveal)
{
    showChange(m_caret.select(anchor, position), reveal);
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
        setTop(m_lines.moved(m_rows.top(), event->modifiers() ? -rowsInView() : rowsInView()));
    } else if (const std::optional<TextCaret::KeyMove> keyMove = TextCaret::moveOf(*event)) {
        // The view scrolls a page, and the caret goes along with it.
        if (const int pages = TextCaret::pagesOf(keyMove->move))
            setTop(m_lines.moved(m_rows.top(), pages * rowsInView()));
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
    select(extending ? m_caret.anchor() : position, position, true);
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
    const QPoint at = event->position().toPoint();
    emit workingRequested(lineAt(at));
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const auto [from, to] =
        linedText().segmentAround(m_rows.positionAt(at, QTextLine::CursorOnCharacter), QTextBoundaryFinder::Word);
    select(from, to, true);
    offerSelection();
    m_mightDrag = false;
    m_doubleClickedAt = at;
    m_tripleClick.start(QApplication::doubleClickInterval(), this);
}

void ReportView::extendSelectionTo(QPoint viewportPosition)
{
    const QPoint inside(viewportPosition.x(), std::clamp(viewportPosition.y(), 0, viewport()->height() - 1));
    select(m_caret.anchor(), positionAt(inside), true);
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
    if (event->type() == QEvent::ToolTip) {
        showToolTip(*static_cast<QHelpEvent *>(event));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
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
