// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberWriter.h"


#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The standard form shows this many significant digits.
constexpr int Significant = 15;

constexpr char Zeros[] = "00000000000000000000";

// A multiple of one half below 10^14, such as a determinant's area, shows
// all its digits: ten times it is a whole number of at most 15 digits.
std::optional<SignificantDigits> digitsOfHalves(double magnitude)
{
    if (!(magnitude < 1e14) || std::floor(2 * magnitude) != 2 * magnitude)
        return std::nullopt;
    SignificantDigits d;
    d.count = int(std::to_chars(d.digits, d.digits + sizeof d.digits, std::uint64_t(magnitude * 10)).ptr - d.digits);
    d.exponent = d.count - 2;
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// |value| * 10^decimals rounded half away from zero, exactly: |value| is a
// whole significand times a power of two, and the product of the
// significand and 10^decimals fits in 64 bits. None for values this does
// not cover.
std::optional<std::uint64_t> scaledAndRounded(double value, int decimals)
{
    constexpr std::uint64_t Powers[] = {1, 10, 100, 1000};
    const double magnitude = std::fabs(value);
    if (decimals < 0 || decimals > 3 || !(magnitude < 0x1p53))
        return std::nullopt;
    if (magnitude == 0)
        return 0;
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const std::uint64_t scaled = std::uint64_t(std::ldexp(fraction, 53)) * Powers[decimals];
    const int shift = 53 - binaryExponent; // magnitude = significand * 2^-shift
    if (shift == 0)
        return scaled;
    if (shift >= 64)
        return 0; // below one half
    return (scaled + (std::uint64_t(1) << (shift - 1))) >> shift;
}

} // namespace

NumberWriter::NumberWriter(TextWriter &text)
    : m_text(text)
{
    const QLocale locale;
    m_decimalPoint = locale.decimalPoint();
    m_groupSeparator = locale.groupSeparator();
    m_negativeSign = locale.negativeSign();
}

void NumberWriter::writeWhole(long long value)
{
    char digits[24];
    m_text.appendLatin1(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void NumberWriter::writeStandard(double value)
{
    // Most of a board's numbers are whole: their digits are their form.
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        writeWhole(static_cast<long long>(value));
        return;
    }
    if (!std::isfinite(value)) {
        m_text.append(standardNumberText(value));
        return;
    }
    const double magnitude = std::fabs(value);
    const std::optional<SignificantDigits> halves = digitsOfHalves(magnitude);
    writeSignificant(value < 0, halves ? *halves : significantDigits(magnitude, Significant));
}

// The plain form, or the exponent form outside the range the significant
// digits can show.
void NumberWriter::writeSignificant(bool negative, const SignificantDigits &d)
{
    const char *digits = d.digits;
    const int count = d.count, exponent = d.exponent;
    if (negative)
        m_text.append(u"-");
    if (exponent < -4 || exponent >= Significant) {
        m_text.appendLatin1(digits, digits + 1);
        if (count > 1) {
            m_text.append(m_decimalPoint);
            m_text.appendLatin1(digits + 1, digits + count);
        }
        char text[8] = {'E', exponent < 0 ? '-' : '+', '0'};
        const int size = std::abs(exponent);
        m_text.appendLatin1(text, std::to_chars(text + (size < 10 ? 3 : 2), text + sizeof text, size).ptr);
    } else if (exponent < 0) {
        m_text.append(u"0");
        m_text.append(m_decimalPoint);
        m_text.appendLatin1(Zeros, Zeros + (-exponent - 1));
        m_text.appendLatin1(digits, digits + count);
    } else if (count <= exponent + 1) {
        m_text.appendLatin1(digits, digits + count);
        m_text.appendLatin1(Zeros, Zeros + (exponent + 1 - count));
    } else {
        m_text.appendLatin1(digits, digits + exponent + 1);
        m_text.append(m_decimalPoint);
        m_text.appendLatin1(digits + exponent + 1, digits + count);
    }
}

void NumberWriter::writeFixedDecimals(double value, int decimals)
{
    const std::optional<std::uint64_t> scaled = scaledAndRounded(value, decimals);
    if (!scaled) {
        m_text.append(fixedDecimalsText(value, decimals));
        return;
    }
    // The scaled number's digits, led by zeros up to one before the point.
    char buffer[32];
    char *const digits = buffer + 4;
    char *const end = std::to_chars(digits, buffer + sizeof buffer, *scaled).ptr;
    char *const begin = std::min(digits, end - decimals - 1);
    std::fill(begin, digits, '0');
    const char *point = end - decimals;
    if (value < 0 && *scaled != 0)
        m_text.append(m_negativeSign);
    writeGrouped(begin, point);
    if (decimals > 0) {
        m_text.append(m_decimalPoint);
        m_text.appendLatin1(point, end);
    }
}

// Whole digits in groups of three from the right.
void NumberWriter::writeGrouped(const char *begin, const char *end)
{
    const char *group = begin + ((end - begin) % 3 == 0 ? 3 : (end - begin) % 3);
    m_text.appendLatin1(begin, group);
    for (; group != end; group += 3) {
        m_text.append(m_groupSeparator);
        m_text.appendLatin1(group, group + 3);
    }
}
