// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Messages.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace Messages {

// Printing, and the worksheets.
QString whichSheet();
QString sheetName(Document sheet);
QString preparingSheet();
QString noPrinter();
QString savePdfInstead();
QString printDialogCaption();
QString printerFailed(const QString &printer);

// The class set: how many sheets and of how many vertices, the progress,
// the mark on each sheet and the page before the answers.
QString classSetCaption();
QString classSetSheets();
QString classSetVertices();
QString variantMark(int variant);
QStringList answersPage(const std::vector<int> &variants);

} // namespace Messages
