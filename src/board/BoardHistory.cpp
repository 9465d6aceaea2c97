// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardHistory.h"

#include <vector>

// A step on the stack. Its change is made before it is pushed, so the first
// redo, which QUndoStack runs on pushing, has nothing to do.
class BoardHistory::Command : public QUndoCommand
{
public:
    explicit Command(std::shared_ptr<Step> step) : m_step(std::move(step)) {}

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
    bool m_done = true;
};

BoardHistory::BoardHistory(qint64 mostBytes, QObject *parent)
    : QUndoStack(parent), m_mostBytes(mostBytes)
{
    setUndoLimit(MostSteps);
}

std::shared_ptr<BoardHistory::Step> BoardHistory::stepAt(int index) const
{
    return static_cast<const Command *>(command(index))->step();
}

qint64 BoardHistory::bytes() const
{
    if (count() == 0)
        return 0;
    qint64 total = stepAt(0)->foundBytes();
    for (int i = 0; i < count(); ++i)
        total += stepAt(i)->keptBytes();
    return total;
}

// QUndoStack bounds only the number of its steps. Past the bytes, the steps
// that fit are put on the stack afresh without the oldest; pushing new
// commands of the same steps changes nothing on the board.
void BoardHistory::record(std::shared_ptr<Step> step)
{
    push(new Command(std::move(step)));
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
        push(new Command(*it));
}
