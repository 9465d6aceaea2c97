// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BulgarianCatalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installBulgarianCatalogue(QCoreApplication &app)
{
    // Compiled into the program where the system has no Qt (Windows), else
    // the one installed with Qt.
    const QString folders[] = {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    auto *catalogue = new QTranslator(&app);
    for (const QString &folder : folders) {
        if (catalogue->load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qtbase"),
                            QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(catalogue);
    }
    delete catalogue;
    return false;
}
