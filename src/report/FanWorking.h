// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fan.h"

#include <QString>

// The working behind a block of the area report, as a pupil would write it
// out: each formula, then the same with the numbers put in. Every "=" joins
// numbers equal as written, "≈" a value and its rounding. The report's own
// values (coordinates, lengths, S, |D|, the sum of |D|) keep the report's
// forms; the working's own numbers have at most three decimals (Heron's
// small factors three significant digits) and never an exponent. In
// Bulgarian, the user's decimal separator; every line ends with LF.

// Triangle `index` of the fan (0 for vertices 1, 2 and 3): its vertices and
// their coordinates; each side by the distance formula with its squares,
// its exact root simplified (√8125 = 25√13) and its three decimals; the
// half perimeter and Heron's area with its four factors, and for a thin
// triangle why Heron's formula on the three-decimal sides misses its area;
// the determinant D with its six terms, its sign and why |D| is the area;
// 16·S² from the whole squared sides, equal to (4·D)²; S against |D|; and
// the sum of |D| up to this triangle. A triangle whose D has
// the other sign than the sum of every D is walked the other way round than
// the polygon: the report adds its |D|, the sum of D takes it away. Empty for
// an index the fan does not have.
QString triangleWorking(const Fan &fan, int index);

// The total: the sum of every |D| (the report's total), and the sum of every
// D with its sign, whose sign tells the sense of the walk and whose absolute
// value is the polygon's area when its sides do not cross; and whether the
// two agree.
QString totalWorking(const Fan &fan);
