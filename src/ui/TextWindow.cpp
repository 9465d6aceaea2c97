// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextWindow.h"

#include "WindowPlacement.h"

#include <QKeyEvent>
#include <QScreen>

TextWindow::TextWindow(QWidget *parent, const QString &caption, QSize size)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(caption);
    m_wanted = size * fontMetrics().lineSpacing();
    resize(m_wanted);
}

// Each time it opens, as the program shows it: where the user moved it while
// open, it stays.
void TextWindow::showEvent(QShowEvent *event)
{
    QTextBrowser::showEvent(event);
    if (event->spontaneous() || !parentWidget())
        return;
    const QWidget *window = parentWidget()->window();
    // The frame the window manager will add, as the main window has it.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QRect placed = besideWindow(window->frameGeometry(), m_wanted + frame, window->screen()->availableGeometry());
    setGeometry(QRect(placed.topLeft() + (window->geometry().topLeft() - window->frameGeometry().topLeft()),
                      placed.size() - frame));
}

void TextWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
