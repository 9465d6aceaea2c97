#include "platform/Conversions.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits and exponent of |value| rounded to `digits` significant digits,
// trailing zeros of the mantissa dropped: 0.000123 -> {"123", -4}.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal roundToSignificant(double magnitude, int digits)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, digits - 1);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    Decimal d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// The runtime's plain number form shared by single and double precision.
QString plainNumber(double value, int significant, int largestFixedExponent, QChar decimalPoint)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value);

    const Decimal d = roundToSignificant(std::fabs(value), significant);
    QString text = value < 0 ? QStringLiteral("-") : QString();
    const QString digits = QString::fromStdString(d.digits);

    if (d.exponent < -4 || d.exponent > largestFixedExponent) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += decimalPoint + digits.mid(1);
        text += QStringLiteral("E%1%2")
                    .arg(d.exponent < 0 ? u'-' : u'+')
                    .arg(std::abs(d.exponent), 2, 10, QLatin1Char('0'));
    } else if (d.exponent < 0) {
        text += u'0' + QString(decimalPoint) + QString(-d.exponent - 1, u'0') + digits;
    } else if (digits.size() <= d.exponent + 1) {
        text += digits + QString(d.exponent + 1 - digits.size(), u'0');
    } else {
        text += digits.left(d.exponent + 1) + decimalPoint + digits.mid(d.exponent + 1);
    }
    return text;
}

QString groupDigits(const QString &digits, const QString &separator)
{
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

double Val(const QString &text)
{
    std::string number;
    bool seenDigit = false, seenPoint = false, inExponent = false, exponentDigit = false;
    for (QChar c : text) {
        if (isSkippedBlank(c))
            continue;
        if (isDigit(c)) {
            number += char(c.unicode());
            (inExponent ? exponentDigit : seenDigit) = true;
        } else if ((c == u'+' || c == u'-')
                   && (number.empty() || (inExponent && (number.back() == 'e')))) {
            number += char(c.unicode());
        } else if (c == u'.' && !seenPoint && !inExponent) {
            number += '.';
            seenPoint = true;
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && seenDigit && !inExponent) {
            number += 'e';
            inExponent = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    if (inExponent && !exponentDigit) // "12E" or "12E-": the exponent adds nothing
        number.erase(number.find('e'));

    double value = 0;
    const char *first = number.c_str();
    if (*first == '+')
        ++first;
    const auto result = std::from_chars(first, number.c_str() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return (*first == '-') ? -HUGE_VAL : HUGE_VAL;
    return value;
}

QString SingleToText(float value)
{
    return plainNumber(value, 7, 6, u'.');
}

QString IntegerToText(qint16 value)
{
    return QString::number(value);
}

QString DoubleToText(double value)
{
    return plainNumber(value, 15, 14, QLocale().decimalPoint().at(0));
}

QString FormatNumber(double value, int decimals)
{
    const QLocale locale;
    if (!std::isfinite(value))
        return QString::number(value);

    // to_chars rounds an exact tie to even. A value lies exactly halfway at
    // `decimals` places only if it is an odd multiple of 2^-(decimals + 1);
    // nudging such a value one ulp away from zero makes it round away.
    double magnitude = std::fabs(value);
    const double halves = std::ldexp(magnitude, decimals + 1);
    if (halves == std::floor(halves) && std::fmod(halves, 2.0) == 1.0)
        magnitude = std::nextafter(magnitude, HUGE_VAL);

    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::fixed, decimals);
    const QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    const int point = text.indexOf(u'.');
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);

    const bool isZero = text.count(u'0') + (point < 0 ? 0 : 1) == text.size();
    QString formatted = (value < 0 && !isZero) ? locale.negativeSign() : QString();
    formatted += groupDigits(whole, locale.groupSeparator());
    if (decimals > 0)
        formatted += locale.decimalPoint() + fraction;
    return formatted;
}
