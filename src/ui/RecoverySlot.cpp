// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecoverySlot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

RecoverySlot::RecoverySlot(QString folder) : m_folder(std::move(folder)) {}

RecoverySlot::~RecoverySlot() = default;

QString RecoverySlot::pathOf(int number, const char *suffix) const
{
    return QDir(m_folder).filePath(QStringLiteral("recovery-%1.%2").arg(number).arg(QLatin1String(suffix)));
}

QString RecoverySlot::filePath() const
{
    return pathOf(m_number, "txt");
}

namespace {

// A lock of this process's id that this process does not hold was left by a
// copy that ended and whose id this process was given again, as Windows and
// Wine soon give ids again, after a restart too. Qt takes it for a running
// copy's, the process of that id running; a lock this process holds cannot
// be removed.
bool leftWithThisProcessId(QLockFile &lock)
{
    // The computer's name as QLockFile writes it.
#ifdef Q_OS_WIN
    const QString thisHost = qEnvironmentVariable("COMPUTERNAME");
#else
    const QString thisHost = QSysInfo::machineHostName();
#endif
    qint64 id = 0;
    QString host, program;
    return lock.getLockInfo(&id, &host, &program) && id == QCoreApplication::applicationPid()
           && (host.isEmpty() || host == thisHost) && lock.removeStaleLockFile();
}

} // namespace

// A lock is stale only when the copy that holds it no longer runs: never by
// its age, as a lesson may last for hours.
QLockFile::LockError RecoverySlot::lock(int number)
{
    auto lock = std::make_unique<QLockFile>(pathOf(number, "lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && !(lock->error() == QLockFile::LockFailedError && leftWithThisProcessId(*lock) && lock->tryLock(0)))
        return lock->error();
    m_lock = std::move(lock);
    m_number = number;
    return QLockFile::NoError;
}

bool RecoverySlot::takeLeftOver()
{
    static const QRegularExpression name(QStringLiteral("^recovery-([1-9][0-9]{0,5})\\.txt$"));
    const QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("recovery-*.txt")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        const QRegularExpressionMatch match = name.match(file.fileName());
        if (match.hasMatch() && lock(match.captured(1).toInt()) == QLockFile::NoError)
            return true;
    }
    return false;
}

bool RecoverySlot::takeFree()
{
    for (QDir made(m_folder); !made.exists(); made.setPath(QFileInfo(made.path()).path()))
        m_madeFolders << made.path();
    if (!QDir().mkpath(m_folder))
        return false;
    // The first number without a file whose lock no running copy holds; a
    // file left by a copy that ended waits for the next start.
    for (int number = 1;; ++number) {
        if (QFileInfo::exists(pathOf(number, "txt")))
            continue;
        switch (lock(number)) {
        case QLockFile::NoError: return true;
        case QLockFile::LockFailedError: continue;
        default: return false;
        }
    }
}

QString RecoverySlot::moveAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString aside = QDir(m_folder).filePath(QStringLiteral("refused-recovery-%1-%2.txt").arg(m_number).arg(stamp));
    return QFile::rename(filePath(), aside) ? aside : QString();
}

void RecoverySlot::remove()
{
    if (!m_lock)
        return;
    QFile::remove(filePath());
    m_lock.reset();
    for (const QString &folder : std::as_const(m_madeFolders))
        QDir().rmdir(folder);
}
