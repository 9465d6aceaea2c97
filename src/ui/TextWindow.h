// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>

// A read-only text in a window of its own beside the main window, which
// stays usable: the text can be selected and copied, Escape closes the
// window, and it takes its parent's icon. It opens `size` lines of its font
// wide and high, or as much of that as the screen has room for beside its
// parent, never over it. Open, it grows and shrinks with its font (the
// zoom), as far as the screen has room.
class TextWindow : public QTextBrowser
{
    Q_OBJECT

public:
    TextWindow(QWidget *parent, const QString &caption, QSize size);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QSize wanted() const { return m_lines * fontMetrics().lineSpacing(); }

    QSize m_lines;
};
