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
//
// Its context menu holds the text box's own items (copy, select all), then
// the actions added to the box: the window's commands for the report.
class ReportView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReportView(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);
    void appendText(const QString &text);

    // The context menu for a click at `position`; the caller owns it.
    QMenu *createContextMenu(QPoint position);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QString forDisplay(QStringView text);
    void showTop();

    QString m_text;
    int m_linesInParagraph = 0; // of the last paragraph shown
};
