// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Worksheet.h"

#include <functional>

// A PDF file written aside by `print` on a worksheet printer, then saved
// whole at `path`, so that a sheet cancelled or failed writes nothing.
WorksheetOutcome savePdfAside(const QString &path, const std::function<WorksheetOutcome(QPrinter &)> &print);
