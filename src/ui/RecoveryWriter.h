// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "KeptBoard.h"

#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Writes a kept board to its file on a thread of its own, so that no press
// waits for the disk. A board given while another is being written waits,
// and a newer one takes its place: only the newest is written. Each file is
// replaced whole once every byte is written (saveWholeFile), so a crash or a
// power cut mid-way leaves the one before.
class RecoveryWriter
{
public:
    // `failed` is called on the writer's thread with the system's reason
    // when a file could not be written.
    explicit RecoveryWriter(std::function<void(const QString &reason)> failed);
    // Waits for the write under way; a board still waiting is not written.
    ~RecoveryWriter();

    void write(const QString &path, KeptBoard board);
    // Returns once every board given has been written.
    void finish();

private:
    void run();

    std::function<void(const QString &)> m_failed;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<std::pair<QString, KeptBoard>> m_waiting;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_thread; // started by the first write
};
