// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextBytes.h"

#include <QStringDecoder>

std::optional<QString> textOfBytes(const QByteArray &bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decode(marked.value_or(QStringConverter::Utf8));
    QString text = decode(bytes);
    if (decode.hasError() || text.contains(QChar(0)))
        return std::nullopt;
    return text;
}
