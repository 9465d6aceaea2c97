// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The four commands of the window, each offered by a button and a menu item.
enum class Command {
    OrderAndReport, // put the vertices in contour order, then draw and report
    ReportInOrder,  // draw and report with the vertices in their present order
    ClearBoard,     // clear the board and the report
    DeleteSelected, // delete the selected vertex
};
