// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fan.h"

#include <QString>

// The working behind a block of the area report, as a pupil would write it
// out: each formula, then the same with the numbers put in, in the report's
// number forms and the user's decimal separator (lengths with three
// decimals, coordinates and areas in the standard form). In Bulgarian;
// every line ends with LF.

// Triangle `index` of the fan (0 for vertices 1, 2 and 3): its vertices and
// their coordinates; each side by the distance formula with its squares;
// the half perimeter and Heron's area with its four factors; the
// determinant D with its six terms, its sign and why |D| is the area;
// S - |D|; and the sum of |D| up to this triangle. A triangle whose D has
// the other sign than the sum of every D, the polygon's own, is said to be
// counted outside the polygon. Empty for an index the fan does not have.
QString triangleWorking(const Fan &fan, int index);

// The total: the sum of every |D|, and the sum of every D, whose sign tells
// the sense in which the polygon is walked and whose size is the polygon's
// area when its sides do not cross.
QString totalWorking(const Fan &fan);
