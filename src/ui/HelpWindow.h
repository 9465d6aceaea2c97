// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>

// The program's help, in Bulgarian, in a window of its own beside the main
// window, which stays usable: the commands, placing and selecting vertices
// by mouse and keyboard, every shortcut and context menu, the clipboard's
// and the files' forms, printing and the projector. The text is compiled
// into the program. Escape closes the window; it takes its parent's icon.
class HelpWindow : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
