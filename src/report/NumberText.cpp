// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The separators of the user's regional settings, looked up once for as long
// as the default locale stays the same (the report asks for them 400,000
// times for a large polygon).
struct Separators {
    QLocale locale;
    QString decimalPoint;
    QString groupSeparator;
    QString negativeSign;
};

const Separators &separators()
{
    static thread_local Separators cached{QLocale::c(), QStringLiteral("."), QStringLiteral(","),
                                          QStringLiteral("-")};
    const QLocale current;
    if (!(current == cached.locale))
        cached = {current, current.decimalPoint(), current.groupSeparator(), current.negativeSign()};
    return cached;
}

// A whole number below 10^digits: its bare digits.
std::optional<QString> wholeNumber(double value, int digits)
{
    if (value != std::floor(value) || std::fabs(value) >= std::pow(10.0, digits))
        return std::nullopt;
    char text[24];
    const char *end = std::to_chars(text, text + sizeof text, static_cast<long long>(value)).ptr;
    return QString::fromLatin1(text, int(end - text));
}

// The plain number form: exponent form outside the range the significant
// digits can show.
QString plainNumber(double value, int significant, const QString &point)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0");
    const SignificantDigits d = significantDigits(std::fabs(value), significant);
    const QLatin1String digits(d.digits, d.count);
    QString text;
    text.reserve(d.count + 8);
    if (value < 0)
        text += u'-';
    if (d.exponent < -4 || d.exponent >= significant) {
        text += digits.left(1);
        if (d.count > 1)
            text += point + digits.mid(1);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
        text += QLatin1String(exponent);
    } else if (d.exponent < 0) {
        text += u'0' + point + QString(-d.exponent - 1, u'0') + digits;
    } else if (d.count <= d.exponent + 1) {
        text += digits + QString(d.exponent + 1 - d.count, u'0');
    } else {
        text += digits.left(d.exponent + 1) + point + digits.mid(d.exponent + 1);
    }
    return text;
}

void appendGrouped(QString &text, QLatin1String digits, const QString &separator)
{
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += QLatin1Char(digits[i]);
    }
}

// One more in the last place of a text of digits, carried over the point;
// the text starts one place earlier when the carry adds a digit.
char *addOneInLastPlace(char *begin, char *end)
{
    for (char *digit = end; digit != begin;) {
        --digit;
        if (*digit == '.')
            continue;
        if (*digit != '9') {
            ++*digit;
            return begin;
        }
        *digit = '0';
    }
    *--begin = '1';
    return begin;
}

} // namespace

SignificantDigits significantDigits(double magnitude, int significant)
{
    char text[48];
    const auto end = std::to_chars(text, text + sizeof text, magnitude,
                                   std::chars_format::scientific, significant - 1).ptr;
    SignificantDigits d;
    const char *p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, d.exponent);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

QString standardNumberText(double value)
{
    // Most of the report's numbers are whole: they need no separator.
    if (auto whole = wholeNumber(value, 15))
        return *whole;
    return plainNumber(value, 15, separators().decimalPoint);
}

QString fixedDecimalsText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const Separators &locale = separators();

    // to_chars rounds an exact tie to even. A value lies exactly halfway at
    // `decimals` places only if it is an odd multiple of 2^-(decimals + 1):
    // at one place more its digits are exact and end in 5, and without that
    // 5, one more in the last place rounds it away from zero.
    const double magnitude = std::fabs(value);
    const double halves = std::ldexp(magnitude, decimals + 1);
    const bool halfway = halves == std::floor(halves) && std::fmod(halves, 2.0) == 1.0;

    char buffer[400];
    char *begin = buffer + 1; // room for a carry
    char *end = std::to_chars(begin, buffer + sizeof buffer, magnitude, std::chars_format::fixed,
                              decimals + halfway).ptr;
    if (halfway) {
        end -= decimals > 0 ? 1 : 2; // the 5, and a point with no digit after it
        begin = addOneInLastPlace(begin, end);
    }
    const char *point = decimals > 0 ? end - decimals - 1 : end;
    const bool roundsToZero = std::all_of(begin, end, [](char c) { return c == '0' || c == '.'; });

    QString text;
    text.reserve(int(end - begin) + 8);
    if (value < 0 && !roundsToZero)
        text += locale.negativeSign;
    appendGrouped(text, QLatin1String(begin, point), locale.groupSeparator);
    if (decimals > 0)
        text += locale.decimalPoint + QLatin1String(point + 1, end);
    return text;
}

QString roundedNumberText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    char buffer[400];
    char *end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, decimals).ptr;
    const char *point = std::find(buffer, end, '.');
    if (point != end) {
        while (end[-1] == '0')
            --end;
        if (end - 1 == point)
            --end;
    }
    QString text;
    if (value < 0 && !(end - buffer == 1 && buffer[0] == '0'))
        text += QChar(0x2212);
    text += QLatin1String(buffer, point < end ? point : end);
    if (point < end)
        text += separators().decimalPoint + QLatin1String(point + 1, end);
    return text;
}
