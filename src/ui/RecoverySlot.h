// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

// A running copy's recovery file in a folder: "recovery-N.txt", guarded by
// "recovery-N.lock", which the copy holds while it runs, so that two copies
// never write one file. A file whose lock no running copy holds (a stale
// lock, or none) was left by a copy that ended without quitting.
class RecoverySlot
{
public:
    explicit RecoverySlot(QString folder);
    // Lets the lock go; the file stays.
    ~RecoverySlot();

    const QString &folder() const { return m_folder; }
    bool isTaken() const { return m_lock != nullptr; }
    QString filePath() const;

    // Takes the newest file left by a copy that ended without quitting;
    // false when there is none.
    bool takeLeftOver();
    // Takes a number with no file yet, the folder made if need be; false
    // when the folder cannot be written.
    bool takeFree();
    // Renames the file, never deleting it, so that the next start passes it
    // over; the new path, or nothing when it could not be renamed.
    QString moveAside();
    // The lock let go, the file left where it is.
    void release() { m_lock.reset(); }
    // The file and its lock removed, and the folders made for them, now
    // empty: a clean quit leaves nothing behind.
    void remove();

private:
    QLockFile::LockError lock(int number);
    QString pathOf(int number, const char *suffix) const;

    QString m_folder;
    int m_number = 0;
    std::unique_ptr<QLockFile> m_lock;
    QStringList m_madeFolders; // deepest first
};
