#pragma once

#include <QRgb>
#include <QString>
#include <QtGlobal>

// Number <-> text conversions of the program, in one place.
//
// Texts that the program stores (coordinates, vertex numbers) use a fixed "."
// so that Val reads them back exactly; texts that the user reads in the report
// follow the user's regional settings, taken from QLocale() (the system locale
// unless a test sets another default).

// The number at the start of the text: blanks, tabs and line breaks are
// skipped, only "." separates decimals, the first character that cannot
// continue the number ends it, and a text without a number gives 0.
double Val(const QString &text);

// Up to 7 significant digits, no trailing zeros; a whole number is its bare
// digits. Exponent form outside 1E-04 .. 1E+07.
QString SingleToText(float value);

// Decimal digits, "-" before negatives.
QString IntegerToText(qint16 value);

// The standard form: up to 15 significant digits, no trailing zeros, no
// grouping, the user's decimal separator; exponent form ("1E+15",
// "6.59032143842795E-05") when the decimal exponent is below -4 or at least 15.
QString DoubleToText(double value);

// Exactly `decimals` digits after the user's decimal separator, rounded half
// away from zero, with the user's digit grouping and signs.
QString FormatNumber(double value, int decimals);

// A colour as one number: r + 256 g + 65536 b.
constexpr qint32 RGB(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// The same colour as Qt's opaque pixel value.
constexpr QRgb ToQRgb(qint32 colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
