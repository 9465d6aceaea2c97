// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardRecovery.h"

#include "Board.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

QString BoardRecovery::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

BoardRecovery::BoardRecovery(Board &board, const QString &folder, QObject *parent)
    : QObject(parent), m_board(board), m_slot(folder)
{
    m_writer = std::make_unique<RecoveryWriter>([this](const QString &reason) {
        QMetaObject::invokeMethod(this, [this, reason] { fail(reason); }, Qt::QueuedConnection);
    });
    m_keepSoon.setSingleShot(true);
    m_keepSoon.setInterval(KeepMilliseconds);
    connect(&m_keepSoon, &QTimer::timeout, this, &BoardRecovery::keep);
    // Every step of the history, undone and done again too, and a pick.
    followHistory();
    connect(&board, &Board::selectedRowChanged, this, &BoardRecovery::keepSoon);
#if QT_CONFIG(sessionmanager)
    // The session's end asks the program to save its data: the board is
    // written now, and kept.
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this, [this] {
            m_sessionEnding = true;
            if (m_keepSoon.isActive())
                keep();
            m_writer->finish();
        });
#endif
}

BoardRecovery::~BoardRecovery()
{
    if (m_sessionEnding) {
        m_writer->finish();
        return;
    }
    m_writer.reset();
    m_slot.remove();
}

void BoardRecovery::followHistory()
{
    m_followingHistory = connect(&m_board.history(), &QUndoStack::indexChanged, this, &BoardRecovery::keepSoon);
}

// One write a moment after the first change, of the board as it stands
// then: a burst of presses, a paste, is written once, and the history is
// not followed until then, so that no press of a burst pays for it.
void BoardRecovery::keepSoon()
{
    if (m_keepSoon.isActive())
        return;
    disconnect(m_followingHistory);
    m_keepSoon.start();
}

void BoardRecovery::keep()
{
    m_keepSoon.stop();
    disconnect(m_followingHistory);
    followHistory();
    // A folder that cannot be written is said once, and not tried again.
    if (!m_slot.isTaken() && (m_failed || !m_slot.takeFree())) {
        fail({});
        return;
    }
    KeptBoard kept = m_board.kept();
    kept.marks = m_marks;
    m_writer->write(m_slot.filePath(), std::move(kept));
}

void BoardRecovery::fail(const QString &reason)
{
    if (!std::exchange(m_failed, true))
        emit keepingFailed(m_slot.folder(), reason);
}

void BoardRecovery::setMark(const QString &key, const QString &value)
{
    if (std::exchange(m_marks[key], value) != value && m_slot.isTaken())
        keepSoon();
}

BoardRecovery::Restoring BoardRecovery::restore()
{
    if (!m_slot.takeLeftOver())
        return {};
    QFile file(m_slot.filePath());
    if (!QFileInfo(file).isFile())
        return refuse(KeptBoardReading::Foreign);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(KeptBoardReading::Read, file.errorString());
    // A byte more than the largest, to know a larger file.
    const QByteArray bytes = file.read(LargestKeptBoard + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(KeptBoardReading::Read, file.errorString());
    file.close();
    KeptBoardReading reading = readKeptBoard(bytes);
    if (reading.outcome != KeptBoardReading::Read)
        return refuse(reading.outcome);
    const KeptBoard &kept = reading.board;
    // An empty board is nothing to give back: the file is written afresh at
    // the first change.
    if (kept.rows.empty() && kept.computed == KeptBoard::Computed::No)
        return {};
    if (!m_board.openKept(kept).placed())
        return refuse(KeptBoardReading::Corrupted);
    for (const auto &[key, value] : kept.marks)
        m_marks[key] = value;
    Restoring restored;
    restored.outcome = Restoring::Restored;
    restored.marks = kept.marks;
    return restored;
}

// A file that could not be read, for the system's `reason`, or was refused.
BoardRecovery::Restoring BoardRecovery::refuse(KeptBoardReading::Outcome refused, const QString &reason)
{
    Restoring refusal;
    refusal.outcome = reason.isEmpty() ? Restoring::Refused : Restoring::Unreadable;
    refusal.refused = refused;
    refusal.reason = reason;
    // A file that stays where it was is never written over: the board is
    // kept under another number.
    refusal.movedTo = m_slot.moveAside();
    if (refusal.movedTo.isEmpty())
        m_slot.release();
    return refusal;
}
