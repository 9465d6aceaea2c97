// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files in and out whole, or not at all: the reasons they fail are the
// system's words, which the window puts in its own.

// Writes the bytes to a file. The file is replaced only once every byte is
// written: a failed write, on a full disk too, leaves whatever was there.
// Returns why it failed, or nothing.
std::optional<QString> saveWholeFile(const QString &path, const QByteArray &bytes);

// A text file as it was written, as textOfBytes() reads it. Only a plain
// file is opened: a named pipe or a device would keep the program waiting
// for what may never come. Files larger than a board's text could ever be
// are refused, and so is what is not text at all.
struct TextFileReading {
    enum Outcome { Read, Unreadable, NotAFile, TooLarge, NotText };
    Outcome outcome = Read;
    QString text;
    QString reason; // why it could not be read
};

// The size of the largest file read: a full board's vertex lines take half
// a megabyte, its report 12 megabytes.
inline constexpr qint64 LargestTextFile = 64 << 20;

TextFileReading readTextFile(const QString &path);
