// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Worksheet.h"

// A sheet's steps as its progress is told them: one for each line
// measured, one for the picture's lines and one for its numbers,
// PaintSteps for each line painted, and one for the sheet done.
class SheetSteps
{
public:
    // Painting a line on a page takes some forty times as long as measuring
    // it by its characters' advances.
    static constexpr int PaintSteps = 40;

    SheetSteps(const WorksheetProgress &progress, qsizetype lines) : m_progress(progress), m_lines(int(lines)) {}

    bool measured(qsizetype lines) const { return reach(int(lines)); }
    bool pictured(int part) const { return reach(m_lines + part); }
    bool painted(qsizetype lines) const { return reach(m_lines + PictureSteps + PaintSteps * int(lines)); }
    bool done() const { return reach(total()); }

private:
    static constexpr int PictureSteps = 2;
    int total() const { return (1 + PaintSteps) * m_lines + PictureSteps + 1; }
    bool reach(int step) const { return !m_progress || m_progress(step, total()); }

    const WorksheetProgress &m_progress;
    int m_lines;
};
