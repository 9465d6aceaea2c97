// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinedTextView.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr qreal Margin = LineLayouts::Margin;

} // namespace

LinedTextView::LinedTextView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lines.setFont(font());
    layOut();
}

LinedTextView::~LinedTextView() = default;

void LinedTextView::showText(const LinedText &text, TextRow top)
{
    m_lines.setText(text);
    m_rows.setTop({std::min(top.line, text.lineCount() - 1), top.row});
    layOut();
}

int LinedTextView::lineAt(QPoint viewportPosition) const
{
    const std::optional<ShownRows::Line> shown = m_rows.lineAt(viewportPosition.y());
    return shown ? shown->line : -1;
}

qsizetype LinedTextView::positionAt(QPoint viewportPosition, QTextLine::CursorPosition kind) const
{
    return m_rows.positionAt(viewportPosition, kind);
}

QRect LinedTextView::characterRect(qsizetype position) const
{
    const std::optional<QRectF> place = m_rows.placeOf(position);
    return place ? place->toAlignedRect() : QRect();
}

int LinedTextView::rowsInView() const
{
    return std::max(1, int(m_rows.textHeight() / QFontMetricsF(font()).lineSpacing()));
}

// The rows wrap at the viewport's width; the scroll bar counts lines, and
// its end shows the last line at the bottom.
void LinedTextView::layOut()
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

void LinedTextView::setTop(TextRow top)
{
    if (!m_rows.setTop(top))
        return;
    {
        const QSignalBlocker quiet(verticalScrollBar());
        verticalScrollBar()->setValue(m_rows.top().line);
    }
    viewport()->update();
    scrolled();
}

void LinedTextView::scrollRows(int rows)
{
    setTop(m_lines.moved(m_rows.top(), rows));
}

void LinedTextView::reveal(qsizetype position)
{
    setTop(m_rows.topShowing(m_lines.rowOf(position)));
}

// The scroll bar moved: its line at the top, or the last page at its end.
void LinedTextView::scrollContentsBy(int, int)
{
    const int line = verticalScrollBar()->value();
    if (line != m_rows.top().line)
        setTop(line == m_rows.lastTop().line ? m_rows.lastTop() : TextRow{line, 0});
}

void LinedTextView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    placeNotice();
    layOut();
}

void LinedTextView::setNotice(const QString &notice)
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
void LinedTextView::placeNotice()
{
    const bool shown = m_notice && !m_notice->text().isEmpty();
    const int height = shown ? m_notice->sizeHint().height() : 0;
    setViewportMargins(0, height, 0, 0);
    if (shown)
        m_notice->setGeometry(QRect(contentsRect().topLeft(), QSize(contentsRect().width(), height)));
}

void LinedTextView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_lines.setFont(font());
        layOut();
    }
}

// Rows by the wheel, so that no row of a long line is skipped; Ctrl with
// the wheel enlarges or shrinks the text, as in Qt's own read-only boxes.
void LinedTextView::wheelEvent(QWheelEvent *event)
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
        scrollRows(-rows);
    }
    event->accept();
}
