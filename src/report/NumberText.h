// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The report's number texts, in one place.
//
// The texts follow the user's regional settings, taken from QLocale() (the
// system locale unless a test sets another default).

// The report's standard form: up to 15 significant digits, no trailing zeros,
// no grouping, the user's decimal separator; exponent form ("1E+15",
// "6.59032143842795E-05") when the decimal exponent is below -4 or at least 15.
QString standardNumberText(double value);

// Exactly `decimals` digits after the user's decimal separator, rounded half
// away from zero, with the user's digit grouping and signs.
QString fixedDecimalsText(double value, int decimals);

// At most `decimals` digits after the user's decimal separator, without
// trailing zeros (a whole number has none), no grouping, never an exponent,
// and "−" (U+2212) for a minus: the program's own numbers, as a teacher
// writes them.
QString roundedNumberText(double value, int decimals);

// |value| rounded to `significant` digits (at most 17), half to even as
// std::to_chars rounds: the digits without trailing zeros, and the decimal
// exponent of the first one (0.000123: "123", -4).
struct SignificantDigits {
    char digits[24] = {};
    int count = 0;
    int exponent = 0;
};

SignificantDigits significantDigits(double magnitude, int significant);
