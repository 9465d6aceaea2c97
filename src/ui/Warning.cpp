// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Warning.h"

#include "Messages.h"

#include <QMessageBox>
#include <QPushButton>

void showWarning(QWidget *window, const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), message, QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Ok)->setText(Messages::ok());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
