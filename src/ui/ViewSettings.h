// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window remembers for the next start, in the user's settings of
// the program (the application's and organisation's name, "Zarvelon"): its zoom and whether the canvas shows the
// vertices' numbers and the grid. A missing or unreadable setting gives
// 100 %, no numbers and no grid.
namespace ViewSettings {

int zoomPercent();
void setZoomPercent(int percent);

bool vertexNumbersShown();
void setVertexNumbersShown(bool shown);

bool gridShown();
void setGridShown(bool shown);

} // namespace ViewSettings
