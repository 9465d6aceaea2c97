// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFont;
class QImage;
class QPrinter;
class QString;

// Prints the picture of the board, at its size on the screen and framed,
// and below it the report in `font`, wrapped to the page and continued on as
// many pages as it needs, every page numbered.
void printBoard(QPrinter &printer, const QImage &picture, const QString &report, const QFont &font);
