// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Worksheet.h"

// The window's former way to print, without the vertices' numbers; it goes
// once the window hands the worksheet its content itself.
inline void printBoard(QPrinter &printer, const QImage &picture, const QString &report, const QFont &font)
{
    printWorksheet(printer, {picture, {}, report, font, QDate::currentDate()});
}
