// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TextWindow.h"

struct Fan;

// The working behind one block of the report, in Bulgarian, with the
// numbers put in: one window serves every block, and shows the one asked
// for last.
class WorkingWindow : public TextWindow
{
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget *parent);

    // The working of `block` of the fan's report (triangle `block`, counted
    // from 0, or the total for the count of triangles), shown and raised; the
    // focus stays where it is, so that the report's cursor can go on moving.
    // A block the fan does not have changes nothing.
    void showWorking(const Fan &fan, int block);
    // The same, shown or not: for following the report's cursor. The same
    // text again keeps its selection and scrolling. False, with nothing
    // changed, for a block the fan does not have.
    bool setWorking(const Fan &fan, int block);
};
