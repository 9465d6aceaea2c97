// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleReportView.h"

#include "ReportView.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace {

QAccessibleInterface *reportViewInterface(const QString &className, QObject *object)
{
    auto *view = qobject_cast<ReportView *>(object);
    return view && className == QLatin1String("ReportView") ? new AccessibleReportView(view) : nullptr;
}

// Installed as the application starts, before any box is made: Qt keeps the
// first interface it makes for a box, and the default one reads no text.
void installFactory()
{
    QAccessible::installFactory(reportViewInterface);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFactory)

AccessibleReportView::AccessibleReportView(ReportView *view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{
}

void AccessibleReportView::follow(ReportView *view)
{
    // As Qt's own text boxes say it: the old text by its length alone.
    auto removedLength = std::make_shared<qsizetype>(0);
    QObject::connect(view, &ReportView::textAboutToBeReplaced, view, [view, removedLength] {
        *removedLength = QAccessible::isActive() ? view->lineFeedOffsets().length() : 0;
    });
    QObject::connect(view, &ReportView::textReplaced, view, [view, removedLength] {
        if (!QAccessible::isActive())
            return;
        QAccessibleTextUpdateEvent event(view, 0, QString(*removedLength, u' '),
                                         view->linedText().withLineFeeds(0, view->text().size()));
        QAccessible::updateAccessibility(&event);
        selectionChanged(view); // to the start, nothing selected
    });
    QObject::connect(view, &ReportView::selectionChanged, view, [view] { selectionChanged(view); });
    QObject::connect(view, &ReportView::cursorPositionChanged, view, [view] {
        if (!QAccessible::isActive())
            return;
        QAccessibleTextCursorEvent event(view, int(view->lineFeedOffsets().offsetOf(view->cursorPosition())));
        QAccessible::updateAccessibility(&event);
    });
}

void AccessibleReportView::selectionChanged(ReportView *view)
{
    if (!QAccessible::isActive())
        return;
    const LineFeedOffsets &offsets = view->lineFeedOffsets();
    const auto [from, to] = view->selectionRange();
    QAccessibleTextSelectionEvent event(view, int(offsets.offsetOf(from)), int(offsets.offsetOf(to)));
    event.setCursorPosition(int(offsets.offsetOf(view->cursorPosition())));
    QAccessible::updateAccessibility(&event);
}

ReportView *AccessibleReportView::view() const
{
    return static_cast<ReportView *>(widget());
}

int AccessibleReportView::offsetOf(qsizetype position) const
{
    return int(view()->lineFeedOffsets().offsetOf(position));
}

qsizetype AccessibleReportView::positionOf(int offset) const
{
    return view()->lineFeedOffsets().positionOf(offset);
}

QAccessible::State AccessibleReportView::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString AccessibleReportView::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return text(0, characterCount());
    return QAccessibleWidget::text(kind);
}

void *AccessibleReportView::interface_cast(QAccessible::InterfaceType kind)
{
    if (kind == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(kind);
}

void AccessibleReportView::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !view()->hasSelection())
        return;
    const auto [from, to] = view()->selectionRange();
    *startOffset = offsetOf(from);
    *endOffset = offsetOf(to);
}

int AccessibleReportView::selectionCount() const
{
    return view()->hasSelection() ? 1 : 0;
}

void AccessibleReportView::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleReportView::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        view()->setCursorPosition(view()->cursorPosition());
}

void AccessibleReportView::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    view()->setCursorPosition(positionOf(startOffset));
    view()->setCursorPosition(positionOf(endOffset), true);
}

int AccessibleReportView::cursorPosition() const
{
    return offsetOf(view()->cursorPosition());
}

void AccessibleReportView::setCursorPosition(int position)
{
    view()->setCursorPosition(positionOf(position));
}

QString AccessibleReportView::text(int startOffset, int endOffset) const
{
    return view()->linedText().withLineFeeds(positionOf(startOffset), positionOf(endOffset));
}

int AccessibleReportView::characterCount() const
{
    return int(view()->lineFeedOffsets().length());
}

std::pair<int, int> AccessibleReportView::around(int offset, QAccessible::TextBoundaryType boundary) const
{
    const int length = characterCount();
    offset = std::clamp(offset, 0, length);
    const LinedText &lines = view()->linedText();
    const qsizetype position = positionOf(offset);
    const int line = lines.lineOf(position);
    switch (boundary) {
    case QAccessible::NoBoundary: return {0, length};
    case QAccessible::LineBoundary: {
        const auto [from, to] = view()->rowAround(position);
        return {offsetOf(from), offsetOf(to)};
    }
    case QAccessible::ParagraphBoundary: return {offsetOf(lines.lineStart(line)), offsetOf(lines.lineEnd(line))};
    case QAccessible::WordBoundary:
    case QAccessible::SentenceBoundary:
        if (position < lines.lineEnd(line)) {
            const auto [from, to] = lines.segmentAround(position, boundary == QAccessible::WordBoundary
                                                                      ? QTextBoundaryFinder::Word
                                                                      : QTextBoundaryFinder::Sentence);
            return {offsetOf(from), offsetOf(to)};
        }
        break; // a line end is a word of its own
    case QAccessible::CharBoundary: break;
    }
    return {offset, std::min(offset + 1, length)};
}

QString AccessibleReportView::textBetween(std::pair<int, int> range, int *startOffset, int *endOffset) const
{
    *startOffset = range.first;
    *endOffset = range.second;
    return text(range.first, range.second);
}

QString AccessibleReportView::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                                           int *endOffset) const
{
    return textBetween(around(offset, boundary), startOffset, endOffset);
}

QString AccessibleReportView::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                               int *startOffset, int *endOffset) const
{
    const int start = around(offset, boundary).first;
    return textBetween(start > 0 ? around(start - 1, boundary) : std::pair{0, 0}, startOffset, endOffset);
}

// A line's range ends before its line feed: the next line starts after it.
QString AccessibleReportView::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                                              int *endOffset) const
{
    const std::pair<int, int> at = around(offset, boundary);
    std::pair<int, int> after = around(at.second, boundary);
    if (after == at)
        after = at.second < characterCount() ? around(at.second + 1, boundary) : std::pair{at.second, at.second};
    return textBetween(after, startOffset, endOffset);
}

QRect AccessibleReportView::characterRect(int offset) const
{
    const QRect place = view()->characterRect(positionOf(offset));
    if (place.isNull())
        return {};
    return QRect(view()->viewport()->mapToGlobal(place.topLeft()), place.size());
}

int AccessibleReportView::offsetAtPoint(const QPoint &point) const
{
    const QPoint at = view()->viewport()->mapFromGlobal(point);
    return view()->viewport()->rect().contains(at) ? offsetOf(view()->positionAt(at)) : -1;
}

void AccessibleReportView::scrollToSubstring(int startIndex, int)
{
    view()->setCursorPosition(positionOf(startIndex));
}

QString AccessibleReportView::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}
