// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "KeptBoard.h"
#include "RecoverySlot.h"
#include "RecoveryWriter.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

class Board;

// The board kept in a recovery file as it changes, so that a crash, a power
// cut or a forced restart loses no more than the last moment of a lesson;
// and given back at the next start. Each change is kept at most
// `KeepMilliseconds` later, written on a thread of its own. The file is
// taken only once the board first changes: a copy that is only started and
// closed touches no disk.
class BoardRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int KeepMilliseconds = 500;

    // The user's data folder of the program, where the files lie.
    static QString defaultFolder();

    BoardRecovery(Board &board, const QString &folder, QObject *parent = nullptr);
    // A clean quit: the file goes. When the session ends (a restart, a
    // log-off) the board is written out first and its file stays for the
    // next start.
    ~BoardRecovery() override;

    struct Restoring {
        enum Outcome { Nothing, Restored, Unreadable, Refused };
        Outcome outcome = Nothing;
        KeptBoardReading::Outcome refused = KeptBoardReading::Read;
        QString reason;  // the system's, why the file could not be read
        QString movedTo; // where the file was moved; empty if it could not be
        std::map<QString, QString> marks;
    };
    // Gives back the board of the newest file left by a copy of the program
    // that ended without quitting, with its marks; a file that cannot be
    // given back is moved aside, never deleted.
    Restoring restore();

    // A mark of the window's over the canvas, kept with the board.
    void setMark(const QString &key, const QString &value);

signals:
    // The board cannot be kept in `folder`: said once.
    void keepingFailed(const QString &folder, const QString &reason);

private:
    void followHistory();
    void keepSoon();
    void keep();
    void fail(const QString &reason);
    Restoring refuse(KeptBoardReading::Outcome refused, const QString &reason = {});

    Board &m_board;
    RecoverySlot m_slot;
    std::map<QString, QString> m_marks;
    QTimer m_keepSoon;
    QMetaObject::Connection m_followingHistory;
    bool m_failed = false;
    bool m_sessionEnding = false;
    std::unique_ptr<RecoveryWriter> m_writer; // last: stopped before the slot goes
};
