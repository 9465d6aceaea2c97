// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextBoxMenu.h"

#include <QCoreApplication>

TextBoxMenu::TextBoxMenu(QWidget *box, const QString &copy, const QString &selectAll)
    : QMenu(box)
{
    m_copy = addTextBoxItem(copy, QKeySequence::Copy, QStringLiteral("edit-copy"));
    addSeparator();
    m_selectAll = addTextBoxItem(selectAll, QKeySequence::SelectAll, QStringLiteral("edit-select-all"));
    if (!box->actions().isEmpty()) {
        addSeparator();
        addActions(box->actions());
    }
}

QAction *TextBoxMenu::addTextBoxItem(const QString &words, QKeySequence::StandardKey key, const QString &icon)
{
    QString caption = words;
    if (!QCoreApplication::testAttribute(Qt::AA_DontShowShortcutsInContextMenus))
        caption += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
    QAction *action = addAction(caption);
    action->setIcon(QIcon::fromTheme(icon));
    action->setObjectName(icon);
    return action;
}
