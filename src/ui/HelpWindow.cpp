// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpWindow.h"

#include "Messages.h"

#include <QKeyEvent>

HelpWindow::HelpWindow(QWidget *parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(Messages::helpCaption());
    setSource(QUrl(QStringLiteral("qrc:/help/HelpWindow.html")));
    // Some 90 characters wide and 40 lines high, in the help's own font.
    const int line = fontMetrics().lineSpacing();
    resize(46 * line, 42 * line);
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
