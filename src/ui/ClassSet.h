// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Worksheet.h"

#include <QStringList>

#include <vector>

// A class set: the pupils' sheets, each of its own variant, then a page
// that says that the answers follow, then the teacher's sheet of each
// variant in the same order. Every sheet starts on a page of its own, its
// pages numbered on their own. Laid out whole before the printer starts,
// and told to `progress` as one sheet would be.
struct ClassSet {
    std::vector<WorksheetContent> pupils;
    QStringList answersPage; // its heading, then lines of text
    std::vector<WorksheetContent> answers;
};

WorksheetOutcome printClassSet(QPrinter &printer, const ClassSet &set, const WorksheetProgress &progress = {});
WorksheetOutcome saveClassSetAsPdf(const QString &path, const ClassSet &set, const WorksheetProgress &progress = {});
