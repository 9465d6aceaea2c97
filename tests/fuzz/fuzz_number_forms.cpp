// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The report's fast number writer against the standard number forms, to the
// character, under a decimal point and a decimal comma: eight bytes are any
// double at all, a ninth picks the regional settings.

#include "NumberText.h"
#include "NumberWriter.h"

#include <QLocale>

#include <cstdlib>
#include <cstring>

namespace {

template <typename Write>
QString written(Write write)
{
    TextWriter text(0);
    NumberWriter numbers(text);
    write(numbers);
    return text.take();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size != sizeof(double) + 1)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    QLocale::setDefault(locales[data[sizeof value] & 1]);
    if (written([&](NumberWriter &w) { w.writeStandard(value); }) != standardNumberText(value))
        std::abort();
    for (int decimals = 0; decimals <= 4; ++decimals)
        if (written([&](NumberWriter &w) { w.writeFixedDecimals(value, decimals); }) != fixedDecimalsText(value, decimals))
            std::abort();
    return 0;
}
