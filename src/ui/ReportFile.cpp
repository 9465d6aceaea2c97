// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFile.h"

#include <QDir>
#include <QSaveFile>

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

QString saveReportFile(const QString &path, const QString &report)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, report.toUtf8()) && file.commit())
        return {};
    // The temporary file, with whatever reached it, goes with `file`.
    return QStringLiteral("Отчетът не беше записан в „%1“: %2.\nОтчетът е непроменен в прозореца.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}
