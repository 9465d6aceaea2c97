// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class ReportView;

// What a screen reader reads of the report box: a read-only, multi-line
// text, every line end one line feed, as the clipboard gets it, so that
// AT-SPI's queryText().getText(0, -1) reads the whole report. Lines, words
// and characters are found in the text itself; the places of characters
// only for the lines in view. What changes, it learns from the box's
// signals and tells the screen reader as Qt's own text boxes tell it.
class AccessibleReportView : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleReportView(ReportView *view);

    // Tells a screen reader, when one listens, what changes in the view.
    // Qt makes this interface for every report box of a program that calls
    // this: its factory is installed as the application starts.
    static void follow(ReportView *view);

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void *interface_cast(QAccessible::InterfaceType kind) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    static void selectionChanged(ReportView *view);
    ReportView *view() const;
    int offsetOf(qsizetype position) const;
    qsizetype positionOf(int offset) const;
    // The line, word, character ... that holds the offset, in offsets.
    std::pair<int, int> around(int offset, QAccessible::TextBoundaryType boundary) const;
    QString textBetween(std::pair<int, int> range, int *startOffset, int *endOffset) const;
};
