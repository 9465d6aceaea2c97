// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextWindow.h"

#include <QKeyEvent>

TextWindow::TextWindow(QWidget *parent, const QString &caption, QSize size)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(caption);
    resize(size * fontMetrics().lineSpacing());
}

void TextWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
