#include "platform/TextBox.h"

#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include <utility>

namespace {

// The view's document costs about two microseconds per paragraph, whatever
// its length: a report of 130,000 lines held as one paragraph per line takes
// a third of a second to show. Lines are therefore held together, up to this
// many in a paragraph, by line separators, which the view shows and copies
// exactly like paragraph breaks.
constexpr int LinesPerParagraph = 16;

} // namespace

TextBox::TextBox(QObject *parent)
    : QObject(parent), m_view(new QPlainTextEdit)
{
    m_view->setReadOnly(true);
    m_view->setUndoRedoEnabled(false);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

TextBox::~TextBox()
{
    delete m_view; // null once a window that adopted the view has deleted it
}

void TextBox::SetText(const QString &text)
{
    m_text.clear();
    m_pending.clear();
    m_linesInParagraph = 0;
    m_replace = true;
    AppendText(text);
    scheduleShow();
}

void TextBox::AppendText(const QString &text)
{
    if (text.isEmpty())
        return;
    // A CR LF split across two appends is still one line end in the view.
    const bool splitsLineEnd = m_text.endsWith(u'\r') && text.startsWith(u'\n');
    m_text += text;
    qsizetype from = splitsLineEnd ? 1 : 0;
    while (from < text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        m_pending += QStringView(text).sliced(from, end - from);
        if (end == text.size())
            break;
        const bool crlf = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n';
        from = end + (crlf ? 2 : 1);
        const bool endsParagraph = ++m_linesInParagraph == LinesPerParagraph;
        m_pending += endsParagraph ? QChar(u'\n') : QChar(QChar::LineSeparator);
        if (endsParagraph)
            m_linesInParagraph = 0;
    }
    scheduleShow();
}

void TextBox::scheduleShow()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &TextBox::showPending, Qt::QueuedConnection);
}

void TextBox::showPending()
{
    m_scheduled = false;
    if (!m_view)
        return;
    const QString text = std::exchange(m_pending, QString());
    if (m_replace) {
        m_replace = false;
        m_view->setPlainText(text);
    } else {
        QTextCursor cursor(m_view->document());
        cursor.movePosition(QTextCursor::End);
        cursor.beginEditBlock();
        cursor.insertText(text);
        cursor.endEditBlock();
    }
    // As after setting a text box's text: the caret and the view at the top.
    m_view->moveCursor(QTextCursor::Start);
    m_view->verticalScrollBar()->setValue(0);
}

QPlainTextEdit *TextBox::widget() const
{
    return m_view;
}
