// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenu>

// The context menu of a read-only text box: the items of Qt's own boxes,
// Copy and Select All, in the words given, with their shortcuts and their
// icons from the desktop's theme; then the actions added to the box.
class TextBoxMenu : public QMenu
{
    Q_OBJECT

public:
    TextBoxMenu(QWidget *box, const QString &copy, const QString &selectAll);

    QAction *copyAction() const { return m_copy; }
    QAction *selectAllAction() const { return m_selectAll; }

private:
    QAction *addTextBoxItem(const QString &words, QKeySequence::StandardKey key, const QString &icon);

    QAction *m_copy;
    QAction *m_selectAll;
};
