// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleText.h"

#include <QString>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>

namespace {

// A console reads bytes in its own code page, which is seldom UTF-8, but
// takes UTF-16 as it is. Where the stream goes to no console, this writes
// nothing and fails.
bool writeToConsole(const QString &text, std::FILE *stream)
{
    std::fflush(stream);
    const auto console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD written = 0;
    return WriteConsoleW(console, text.utf16(), DWORD(text.size()), &written, nullptr) != 0;
}

} // namespace
#endif

void writeConsoleText(const QString &text, std::FILE *stream)
{
#ifdef Q_OS_WIN
    if (writeToConsole(text, stream))
        return;
#endif
    std::fputs(text.toUtf8().constData(), stream);
}
