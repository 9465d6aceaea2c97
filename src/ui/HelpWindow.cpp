// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpWindow.h"

#include "Messages.h"

// Some 90 characters wide and 40 lines high, in the help's own font.
HelpWindow::HelpWindow(QWidget *parent)
    : TextWindow(parent, Messages::helpCaption(), QSize(46, 42))
{
    setSource(QUrl(QStringLiteral("qrc:/help/HelpWindow.html")));
}
