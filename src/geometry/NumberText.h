// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

// Number <-> text conversions of the program, in one place.
//
// Texts that the program stores (coordinates) use a fixed "." so that
// parseLeadingNumber reads them back exactly; texts that the user reads in the
// report follow the user's regional settings, taken from QLocale() (the system
// locale unless a test sets another default).

// The number at the start of the text: blanks, tabs and line breaks are
// skipped, only "." separates decimals, the first character that cannot
// continue the number ends it, and a text without a number gives 0.
double parseLeadingNumber(QStringView text);

// A coordinate as the vertex lists show it: up to 7 significant digits, no
// trailing zeros, a whole number as its bare digits, always "." for decimals.
// Exponent form outside 1E-04 .. 1E+07.
QString coordinateText(float value);

// The report's standard form: up to 15 significant digits, no trailing zeros,
// no grouping, the user's decimal separator; exponent form ("1E+15",
// "6.59032143842795E-05") when the decimal exponent is below -4 or at least 15.
QString standardNumberText(double value);

// Exactly `decimals` digits after the user's decimal separator, rounded half
// away from zero, with the user's digit grouping and signs.
QString fixedDecimalsText(double value, int decimals);
