// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "NumberText.h"
#include "TextWriter.h"

#include <QString>

// The report's number forms written straight into a text: the same
// characters as standardNumberText() and fixedDecimalsText() give, without a
// string made for each number. The numbers a board gives most are worked
// out in whole numbers: its coordinates are whole pixels, its determinant
// areas halves of them, and the sides' three decimals the rounding of an
// exact product.
class NumberWriter
{
public:
    // With the separators of the user's regional settings as they are now.
    explicit NumberWriter(TextWriter &text);

    // Bare digits, with a minus sign when negative.
    void writeWhole(long long value);
    // The standard form, as standardNumberText().
    void writeStandard(double value);
    // `decimals` digits after the separator, as fixedDecimalsText().
    void writeFixedDecimals(double value, int decimals);

private:
    void writeSignificant(bool negative, const SignificantDigits &digits);
    void writeGrouped(const char *begin, const char *end);

    TextWriter &m_text;
    QString m_decimalPoint;
    QString m_groupSeparator;
    QString m_negativeSign;
};
