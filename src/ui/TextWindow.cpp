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
    m_lines = size;
    resize(wanted());
}

// Each time it opens, as the program shows it: where the user moved it while
// open, it stays.
void TextWindow::showEvent(QShowEvent *event)
{
    QTextBrowser::showEvent(event);
    if (!event->spontaneous())
        placeBesideMainWindow(*this, wanted());
}

void TextWindow::changeEvent(QEvent *event)
{
    QTextBrowser::changeEvent(event);
    if (event->type() != QEvent::FontChange || !isVisible())
        return;
    const QSize frame = frameGeometry().size() - size();
    resize(wanted().boundedTo(screen()->availableGeometry().size() - frame));
    keepOnScreen(*this);
}

void TextWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
