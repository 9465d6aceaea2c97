// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>

// The progress of a worksheet as it is printed or saved: a dialog over the
// window, which shows itself once the sheet looks like taking more than
// half a second, and whose "Отказ" stops it. Meanwhile the window keeps
// repainting: the events are let through a few times a second, and only
// then, so that a sheet of many pages takes hardly longer.
class WorksheetProgressDialog
{
public:
    explicit WorksheetProgressDialog(QWidget *window);

    // As a WorksheetProgress: the sheet has come `done` steps of `total`;
    // false once the user has cancelled it.
    bool operator()(int done, int total);

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_sinceEvents;
};
