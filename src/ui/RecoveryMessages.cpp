// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecoveryMessages.h"

#include <QDir>

namespace Messages {

QString boardRestored(bool withReport)
{
    return (withReport ? QStringLiteral("Върховете и отчетът са възстановени")
                       : QStringLiteral("Върховете са възстановени"))
           + QStringLiteral(" след неочаквано затваряне на програмата. Ctrl+Z отменя възстановяването.");
}

QString notRestored(const BoardRecovery::Restoring &restoring)
{
    QString why;
    switch (restoring.refused) {
    case KeptBoardReading::TooLarge:
        why = QStringLiteral("е по-голям от %1 MB").arg(LargestKeptBoard >> 20);
        break;
    case KeptBoardReading::Foreign: why = QStringLiteral("не е от тази версия на програмата"); break;
    case KeptBoardReading::Truncated: why = QStringLiteral("е непълен"); break;
    case KeptBoardReading::Corrupted:
    case KeptBoardReading::Read: why = QStringLiteral("е повреден"); break;
    }
    if (restoring.outcome == BoardRecovery::Restoring::Unreadable)
        why = QStringLiteral("не може да бъде прочетен (%1)").arg(restoring.reason);
    const QString kept = restoring.movedTo.isEmpty()
        ? QStringLiteral("той остава на мястото си")
        : QStringLiteral("той е запазен като „%1“").arg(QDir::toNativeSeparators(restoring.movedTo));
    return QStringLiteral("Върховете от неочакваното затваряне на програмата не са възстановени, защото "
                          "файлът за възстановяване %1; %2.")
        .arg(why, kept);
}

QString notKept(const QString &folder, const QString &reason)
{
    const QString because = reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason);
    return QStringLiteral("Върховете не се пазят за възстановяване след неочаквано затваряне: в папката „%1“ "
                          "не може да се записва%2. Програмата работи и без това.")
        .arg(QDir::toNativeSeparators(folder), because);
}

} // namespace Messages
