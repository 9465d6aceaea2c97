// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QMenuBar;

// Takes a window's menu bar to the keyboard as Windows programs do: F10, or
// Alt pressed and released alone, puts the focus on the menu bar; the arrow
// keys then move along it, Enter runs the item and Escape leaves it.
//
// Qt's menu bar does this itself for Alt, but knows nothing of F10, and the
// default style marks the current item only while it has a menu open: our
// items have none, so the keyboard user would not see where he is. F10 here
// counts as Alt pressed and released, and the current item is marked while
// the menu bar has the focus. What the mouse's hover shows stays as it was.
class MenuBarKeyboard : public QObject
{
    Q_OBJECT

public:
    explicit MenuBarKeyboard(QMenuBar *bar);

private:
    void tapAlt();

    QMenuBar *m_bar;
};
