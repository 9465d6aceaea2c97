// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Writes the report to a file as UTF-8 text, its CR LF line ends as they
// are. The file is replaced only once the whole report is written: a failed
// write leaves whatever was there. Returns what went wrong, in Bulgarian,
// or nothing.
QString saveReportFile(const QString &path, const QString &report);
