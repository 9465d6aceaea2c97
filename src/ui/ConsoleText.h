// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>

class QString;

// Writes text to standard output or standard error so that it reads right
// wherever it goes: into a Windows console as UTF-16, whatever the
// console's code page; to a terminal, a pipe or a file as UTF-8.
void writeConsoleText(const QString &text, std::FILE *stream);
