// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The text that a file's bytes hold: UTF-8, or whatever its byte-order mark
// says (Notepad's "Unicode" is UTF-16). None when they are not text at all:
// a NUL byte, or bytes that are no text in their encoding.
std::optional<QString> textOfBytes(const QByteArray &bytes);
