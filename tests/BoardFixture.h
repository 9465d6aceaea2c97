#pragma once

// Helpers shared by the board and geometry tests: boards written as text,
// read back as text, and looked at pixel by pixel.

#include "board/Board.h"

#include <QImage>
#include <QStringList>

// A canvas of known size at one device pixel per logical pixel, then the
// program's own start-up.
inline void StartBoard(Board &board)
{
    board.Picture1.Resize(QSize(400, 300), 1);
    board.Form_Load();
}

// Vertex rows written as "x,y x,y ...", numbered 1, 2, ... as the program
// numbers them; PointCount follows.
inline void SetRows(Board &board, const QString &rows)
{
    for (ListBox &list : board.List1)
        list.Clear();
    for (const QString &pair : rows.split(u' ', Qt::SkipEmptyParts)) {
        board.List1[0].AddItem(pair.section(u',', 0, 0));
        board.List1[1].AddItem(pair.section(u',', 1));
        board.List1[2].AddItem(QString::number(board.List1[0].ListCount()));
    }
    board.PointCount = qint16(board.List1[0].ListCount());
}

inline QStringList Texts(const ListBox &list)
{
    QStringList texts;
    for (int r = 0; r < list.ListCount(); ++r)
        texts << list.List(r);
    return texts;
}

// The coordinate rows in the form SetRows takes.
inline QString Rows(const Board &board)
{
    QStringList pairs;
    for (int r = 0; r < board.List1[0].ListCount(); ++r)
        pairs << board.List1[0].List(r) + u',' + board.List1[1].List(r);
    return pairs.join(u' ');
}

// "1", "2", ... "n": the vertex numbers of a board of n rows.
inline QStringList Numbers(int n)
{
    QStringList numbers;
    for (int i = 1; i <= n; ++i)
        numbers << QString::number(i);
    return numbers;
}

inline QRgb Pixel(Board &board, int x, int y)
{
    return board.Picture1.Image().pixel(x, y);
}

inline bool IsBlank(Board &board)
{
    const QImage &image = board.Picture1.Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}
