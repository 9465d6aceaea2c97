// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Messages.h"

#include <QString>
#include <QStringList>

#include <vector>

struct FanTriangle;

namespace Messages {

// Printing, and the worksheets.
QString whichSheet();
QString sheetName(Document sheet);
QString preparingSheet();
QString noPrinter();
QString savePdfInstead();
QString printDialogCaption();
QString printerFailed(const QString &printer);

// The class set: how many sheets and of how many vertices, whether the
// teacher's sheets follow the answers, the progress and the mark on each
// sheet.
QString classSetCaption();
QString classSetSheets();
QString classSetVertices();
QString classSetTeachersSheets();
QString variantMark(int variant);

// The answers' table: its heading, the sentence under it, its columns' captions,
// a triangle's vertices and the total's caption.
QString answersHeading();
QString answersNote(bool teachersSheets);
QStringList answersColumns();
QString answersTriangle(const FanTriangle &triangle);
QString answersTotal();

} // namespace Messages
