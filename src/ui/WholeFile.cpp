// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WholeFile.h"

#include "TextBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

// QSaveFile keeps small writes in a buffer and, when the flush on commit()
// fails, still puts the short file in place of the old one. So the bytes go
// to the file unbuffered, every write is checked, and what a full disk or a
// size limit refuses ends the save before commit() replaces anything.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return file.flush();
}

} // namespace

std::optional<QString> saveWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, bytes) && file.commit())
        return std::nullopt;
    // The temporary file, with whatever reached it, goes with `file`.
    return file.errorString();
}

TextFileReading readTextFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {TextFileReading::NotAFile, {}, {}};
    if (info.size() > LargestTextFile)
        return {TextFileReading::TooLarge, {}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {TextFileReading::Unreadable, {}, file.errorString()};
    // What the file holds, and a byte more to see it grow past the limit.
    const QByteArray bytes = file.read(std::min(file.size(), LargestTextFile) + 1);
    if (file.error() != QFileDevice::NoError)
        return {TextFileReading::Unreadable, {}, file.errorString()};
    if (bytes.size() > LargestTextFile)
        return {TextFileReading::TooLarge, {}, {}};
    std::optional<QString> text = textOfBytes(bytes);
    if (!text)
        return {TextFileReading::NotText, {}, {}};
    return {TextFileReading::Read, std::move(*text), {}};
}
