// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecoveryWriter.h"

#include "WholeFile.h"

RecoveryWriter::RecoveryWriter(std::function<void(const QString &)> failed) : m_failed(std::move(failed)) {}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.reset();
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void RecoveryWriter::write(const QString &path, KeptBoard board)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.emplace(path, std::move(board));
    }
    if (!m_thread.joinable())
        m_thread = std::thread(&RecoveryWriter::run, this);
    m_changed.notify_all();
}

void RecoveryWriter::finish()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_waiting && !m_writing; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_waiting || m_stopping; });
        if (m_stopping)
            return;
        const auto [path, board] = std::move(*m_waiting);
        m_waiting.reset();
        m_writing = true;
        lock.unlock();
        const std::optional<QString> failure = saveWholeFile(path, keptBoardBytes(board));
        if (failure)
            m_failed(*failure);
        lock.lock();
        m_writing = false;
        m_changed.notify_all();
    }
}
