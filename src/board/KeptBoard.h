// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <map>
#include <vector>

// The board as a recovery file keeps it, so that it can be given back as it
// was after the program ended without quitting: its rows, whether its report
// was computed and by which command, the rows the report describes where
// they changed since, the picked row, and the marks the window shows over
// the canvas as keys and values of the window's choosing. The report itself
// is not kept: it is computed afresh from the rows, to the last digit.
struct KeptBoard {
    enum class Computed { No, ContourOrder, InOrder };

    std::vector<Point> rows;
    Computed computed = Computed::No;
    // Whether the rows changed under the report; it then describes
    // `reported`, the rows as they stood when it was computed.
    bool reportOutOfDate = false;
    std::vector<Point> reported;
    int picked = -1;
    // Each key without "=", each key and value on one line.
    std::map<QString, QString> marks;

    friend bool operator==(const KeptBoard &a, const KeptBoard &b)
    {
        return a.rows == b.rows && a.computed == b.computed && a.reportOutOfDate == b.reportOutOfDate
               && a.reported == b.reported && a.picked == b.picked && a.marks == b.marks;
    }
};

// The file's bytes: text, a header of keys and values, the rows as lines
// "X<Tab>Y", and a checksum of all before it on the last line, so that a file
// cut short or changed is known. A key of the header that the program does
// not know is passed over: a later program may add marks.
QByteArray keptBoardBytes(const KeptBoard &board);

struct KeptBoardReading {
    enum Outcome {
        Read,
        TooLarge,  // larger than any board's file
        Foreign,   // not a recovery file of this program
        Truncated, // cut short
        Corrupted, // changed, or not a board the program could have kept
    };
    Outcome outcome = Read;
    KeptBoard board;
};

// The largest file a board could be kept in, with room to spare: every row
// twice, with the longest coordinates.
inline constexpr qint64 LargestKeptBoard = qint64(4) << 20;

KeptBoardReading readKeptBoard(QByteArrayView bytes);
