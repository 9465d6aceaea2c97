// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkingWindow.h"

#include "FanWorking.h"
#include "Messages.h"

// Some 100 characters wide, for a side's line, and 32 lines high, for a
// triangle's working.
WorkingWindow::WorkingWindow(QWidget *parent)
    : TextWindow(parent, Messages::workingCaption(), QSize(52, 32))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void WorkingWindow::showWorking(const Fan &fan, int block)
{
    if (!setWorking(fan, block))
        return;
    show();
    raise();
}

bool WorkingWindow::setWorking(const Fan &fan, int block)
{
    const int triangles = int(fan.triangles.size());
    if (block < 0 || block > triangles)
        return false;
    const QString working = block < triangles ? triangleWorking(fan, block) : totalWorking(fan);
    if (working != toPlainText())
        setPlainText(working);
    return true;
}
