// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorksheetProgressDialog.h"

#include "SheetMessages.h"

#include <QCoreApplication>

namespace {

constexpr int ShownAfterMs = 500;
constexpr int EventsEveryMs = 40;

} // namespace

WorksheetProgressDialog::WorksheetProgressDialog(QWidget *window)
    : m_dialog(Messages::preparingSheet(), Messages::cancel(), 0, 1, window)
{
    m_dialog.setWindowTitle(window->windowTitle());
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(ShownAfterMs);
    m_dialog.setValue(0); // the time to show it counts from here
    m_sinceEvents.start();
}

bool WorksheetProgressDialog::operator()(int done, int total)
{
    if (m_sinceEvents.elapsed() < EventsEveryMs && done < total)
        return !m_dialog.wasCanceled();
    m_sinceEvents.restart();
    m_dialog.setMaximum(total);
    // Once shown, the dialog lets every event through as it moves, and
    // keeps the user's input from the window; before that only the
    // window's repainting and the timer that shows the dialog get through.
    const bool shown = m_dialog.isVisible();
    m_dialog.setValue(done);
    if (!shown)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return !m_dialog.wasCanceled();
}
