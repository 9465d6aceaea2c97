// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A board as the window has it, without the window: a canvas of known size,
// and a task shown before the first command. Helpers write and read vertex
// rows as text.

#include "Board.h"

#include <QImage>
#include <QStringList>

struct TestedBoard : Board {
    static constexpr QSize Size{400, 300};
    static inline const QString Task = QStringLiteral("задача\r\n");

    TestedBoard() : Board(Task) { setArea(QRect(QPoint(0, 0), Size)); }
};

// Vertex rows written as "x,y x,y ...", placed in that order on a cleared
// board.
inline void setRows(Board &board, const QString &rows)
{
    board.clearAll();
    QString lines = rows;
    board.placeVertexLines(lines.replace(u',', u'\t').replace(u' ', u'\n'));
}

// The texts a vertex list shows, row by row.
inline QStringList columnTexts(const VertexModel &vertices, int column)
{
    QStringList texts;
    for (int r = 0; r < vertices.rowCount(); ++r)
        texts << vertices.index(r, column).data().toString();
    return texts;
}

// The X and Y lists read together, in the form setRows takes.
inline QString rows(const VertexModel &vertices)
{
    const QStringList xs = columnTexts(vertices, VertexModel::XColumn);
    const QStringList ys = columnTexts(vertices, VertexModel::YColumn);
    QStringList pairs;
    for (int r = 0; r < xs.size(); ++r)
        pairs << xs[r] + u',' + ys[r];
    return pairs.join(u' ');
}

// "1", "2", ... "n": the number list of a board of n vertices.
inline QStringList numbersUpTo(int n)
{
    QStringList numbers;
    for (int i = 1; i <= n; ++i)
        numbers << QString::number(i);
    return numbers;
}

inline bool isBlank(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}
