// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>
#include <QString>

// The read-only box that shows the task and the area report.
//
// text() returns exactly what was set and appended, CR LF included; the view
// shows each line end (CR LF, CR or LF) as a line break. After every change
// the box shows the top of its text with the caret at the start.
class ReportView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReportView(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);
    void appendText(const QString &text);

private:
    QString forDisplay(QStringView text);
    void showTop();

    QString m_text;
    int m_linesInParagraph = 0; // of the last paragraph shown
};
