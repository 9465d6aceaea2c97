// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BoardRecovery.h"

#include <QString>

// The words of the recovery file's messages.
namespace Messages {

// Over the canvas once a board left by a crash is given back, with or
// without its report.
QString boardRestored(bool withReport);
// A recovery file that could not be given back, and where it was moved.
QString notRestored(const BoardRecovery::Restoring &restoring);
// The board cannot be kept in the folder; `reason` is the system's, if any.
QString notKept(const QString &folder, const QString &reason);

} // namespace Messages
