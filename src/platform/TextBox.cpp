#include "platform/TextBox.h"

#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace {

// The view knows one kind of line end; CR LF, CR and LF each become one.
QString forDisplay(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

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
    m_text = text;
    m_pending = text;
    m_replace = true;
    scheduleShow();
}

void TextBox::AppendText(const QString &text)
{
    if (text.isEmpty())
        return;
    // A CR LF split across two appends is still one line end in the view.
    const bool splitsLineEnd = m_text.endsWith(u'\r') && text.startsWith(u'\n');
    m_text += text;
    m_pending += splitsLineEnd ? text.mid(1) : text;
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
    const QString text = forDisplay(m_pending);
    m_pending.clear();
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
