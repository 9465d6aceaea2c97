#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QPlainTextEdit;

// A multi-line, read-only text box.
//
// Text() returns exactly what was set and appended, CR LF included; the view
// shows each line end (CR LF, CR or LF) as a line break. Appending costs only the appended
// text: the view receives everything appended during one event in a single
// edit when control returns to the event loop.
class TextBox : public QObject
{
    Q_OBJECT

public:
    explicit TextBox(QObject *parent = nullptr);
    ~TextBox() override;

    const QString &Text() const { return m_text; }
    void SetText(const QString &text);
    void AppendText(const QString &text);

    QPlainTextEdit *widget() const;

private:
    void scheduleShow();
    void showPending();

    QString m_text;
    QString m_pending;      // appended, not yet in the view, in the view's line ends
    int m_linesInParagraph = 0;
    bool m_replace = false; // the view must drop what it shows first
    bool m_scheduled = false;
    QPointer<QPlainTextEdit> m_view;
};
