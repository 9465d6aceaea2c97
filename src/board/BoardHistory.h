// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUndoStack>

#include <memory>

// The board's history, which undo and redo walk: the newest steps, at most
// `MostSteps` of them and at most the bytes it is given; the oldest go first,
// the newest always stays.
class BoardHistory : public QUndoStack
{
    Q_OBJECT

public:
    static constexpr int MostSteps = 100;
    static constexpr qint64 MostBytes = qint64(64) << 20;

    // One change of the board, made before it is recorded.
    class Step
    {
    public:
        virtual ~Step() = default;
        virtual void undo() = 0;
        virtual void redo() = 0;
        // The bytes it keeps of its own: what it touched and what it made.
        virtual qint64 keptBytes() const = 0;
        // The bytes of what it found, which the step before it made: kept on
        // its account once that step is gone.
        virtual qint64 foundBytes() const = 0;
    };

    explicit BoardHistory(qint64 mostBytes = MostBytes, QObject *parent = nullptr);
    ~BoardHistory() override;

    void record(std::shared_ptr<Step> step);
    // What the steps keep, in bytes.
    qint64 bytes() const;

private:
    class Command;

    const std::shared_ptr<Step> &stepAt(int index) const;

    qint64 m_mostBytes;
    qint64 m_keptBytes = 0; // of the steps on the stack
};
