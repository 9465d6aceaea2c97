// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextCursor>

namespace {

// The view's document costs about two microseconds per paragraph, whatever
// its length: a report of 130,000 lines held as one paragraph per line takes
// a third of a second to show. Lines are therefore held together, up to this
// many in a paragraph, by line separators, which the view shows and copies
// exactly like paragraph breaks.
constexpr int LinesPerParagraph = 16;

} // namespace

ReportView::ReportView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ReportView::setText(const QString &text)
{
    m_text = text;
    m_linesInParagraph = 0;
    setPlainText(forDisplay(text));
    showTop();
}

void ReportView::appendText(const QString &text)
{
    if (text.isEmpty())
        return;
    // A CR LF split across two appends is still one line end.
    const bool splitsLineEnd = m_text.endsWith(u'\r') && text.startsWith(u'\n');
    const bool wasEmpty = m_text.isEmpty();
    m_text += text;
    const QString shown = forDisplay(QStringView(text).sliced(splitsLineEnd ? 1 : 0));
    if (wasEmpty) {
        setPlainText(shown); // the faster way into an empty document
    } else {
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        cursor.beginEditBlock();
        cursor.insertText(shown);
        cursor.endEditBlock();
    }
    showTop();
}

QMenu *ReportView::createContextMenu(QPoint position)
{
    QMenu *menu = createStandardContextMenu(position);
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

// The text with its line ends as the view holds them.
QString ReportView::forDisplay(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        shown += text.sliced(from, end - from);
        if (end == text.size())
            break;
        const bool crlf = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n';
        from = end + (crlf ? 2 : 1);
        const bool endsParagraph = ++m_linesInParagraph == LinesPerParagraph;
        shown += endsParagraph ? QChar(u'\n') : QChar(QChar::LineSeparator);
        if (endsParagraph)
            m_linesInParagraph = 0;
    }
    return shown;
}

void ReportView::showTop()
{
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}
