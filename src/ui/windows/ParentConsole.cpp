// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A windowed program on Windows gets no console of its own: what --help and
// --version print would go nowhere. Started from a console window, the
// program writes into that window instead, in UTF-16 (writeConsoleText),
// so that the window keeps its code page. Output sent to a file or a pipe
// stays where it was sent.

#include <windows.h>

#include <cstdio>

namespace {

bool hasOutput(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

struct ParentConsole {
    ParentConsole()
    {
        if (hasOutput(STD_OUTPUT_HANDLE) || !AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
};

// Before main, which may print.
const ParentConsole parentConsole;

} // namespace
