// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnswerKeyPages.h"
#include "Worksheet.h"

#include <vector>

// A class set: the pupils' sheets, each of its own variant, then the
// answers' table, then, if the teacher asked for them, the teacher's sheet
// of each variant in the same order. Every sheet and the table start on a
// page of their own, their pages numbered on their own. Laid out whole
// before the printer starts, and told to `progress` as one sheet would be.
struct ClassSet {
    std::vector<WorksheetContent> pupils;
    AnswerKey answers;
    std::vector<WorksheetContent> teachers;
};

WorksheetOutcome printClassSet(QPrinter &printer, const ClassSet &set, const WorksheetProgress &progress = {});
WorksheetOutcome saveClassSetAsPdf(const QString &path, const ClassSet &set, const WorksheetProgress &progress = {});
