// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardHistory.h"

#include <vector>

// A step on the stack. Its change is made before it is pushed, so the first
// redo, which QUndoStack runs on pushing, has nothing to do. It counts its
// bytes into the history's total while QUndoStack keeps it: a press on a
// full history adds and takes away one step's, never sums them all.
class BoardHistory::Command : public QUndoCommand
{
public:
    Command(std::shared_ptr<Step> step, qint64 &keptBytes)
        : m_step(std::move(step)), m_bytes(m_step->keptBytes()), m_total(keptBytes)
    {
        m_total += m_bytes;
    }
    ~Command() override { m_total -= m_bytes; }

    void undo() override { m_step->undo(); }
    void redo() override
    {
        if (m_done)
            m_done = false;
        else
            m_step->redo();
    }
    const std::shared_ptr<Step> &step() const { return m_step; }

private:
    std::shared_ptr<Step> m_step;
    qint64 m_bytes;
    qint64 &m_total;
    bool m_done = true;
};

BoardHistory::BoardHistory(qint64 mostBytes, QObject *parent)
    : QUndoStack(parent), m_mostBytes(mostBytes)
{
    setUndoLimit(MostSteps);
}

BoardHistory::~BoardHistory()
{
    // The commands count themselves out of m_keptBytes as they go.
    clear();
}

const std::shared_ptr<BoardHistory::Step> &BoardHistory::stepAt(int index) const
{
    return static_cast<const Command *>(command(index))->step();
}

qint64 BoardHistory::bytes() const
{
    return count() == 0 ? 0 : stepAt(0)->foundBytes() + m_keptBytes;
}

// QUndoStack bounds only the number of its steps. Past the bytes, the steps
// that fit are put on the stack afresh without the oldest; pushing new
// commands of the same steps changes nothing on the board.
void BoardHistory::record(std::shared_ptr<Step> step)
{
    push(new Command(std::move(step), m_keptBytes));
    qint64 total = bytes();
    if (total <= m_mostBytes)
        return;
    std::vector<std::shared_ptr<Step>> kept;
    for (int i = 0; i < count(); ++i)
        kept.push_back(stepAt(i));
    auto oldest = kept.begin();
    while (total > m_mostBytes && oldest + 1 != kept.end()) {
        total -= (*oldest)->foundBytes() + (*oldest)->keptBytes();
        ++oldest;
        total += (*oldest)->foundBytes();
    }
    clear();
    for (auto it = oldest; it != kept.end(); ++it)
        push(new Command(*it, m_keptBytes));
}
