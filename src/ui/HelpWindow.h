// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TextWindow.h"

// The program's help, in Bulgarian: the commands, placing and selecting
// vertices by mouse and keyboard, every shortcut and context menu, the
// clipboard's and the files' forms, printing and the projector. The text is
// compiled into the program.
class HelpWindow : public TextWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent);
};
