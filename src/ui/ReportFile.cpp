// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFile.h"

#include <QDir>
#include <QSaveFile>

QString saveReportFile(const QString &path, const QString &report)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray bytes = report.toUtf8();
        if (file.write(bytes) == bytes.size() && file.commit())
            return {};
    }
    return QStringLiteral("Отчетът не беше записан в „%1“: %2.\nОтчетът е непроменен в прозореца.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}
