// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A board wired as the window wires it, without the window: the vertices, a
// canvas with an inner area of known size, the report and the controller
// between them. Helpers write and read vertex rows as text and look at the
// picture pixel by pixel.

#include "BoardController.h"
#include "Canvas.h"
#include "ReportView.h"
#include "VertexModel.h"

#include <QImage>
#include <QStringList>
#include <QTest>

struct Board {
    static constexpr QSize InnerSize{400, 300};

    Board()
    {
        QObject::connect(&canvas, &Canvas::pressed, &controller, &BoardController::placeVertex);
        canvas.resize(InnerSize + (canvas.size() - canvas.contentsRect().size()));
        // A hidden widget gets its new size, and so its picture, when shown.
        canvas.setAttribute(Qt::WA_DontShowOnScreen);
        canvas.show();
    }

    VertexModel vertices;
    Canvas canvas;
    ReportView report;
    BoardController controller{vertices, canvas, report};
};

// A press at a position of the canvas's inner area.
inline void pressCanvas(Canvas &canvas, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(&canvas, button, modifiers, canvas.contentsRect().topLeft() + at);
}

// Vertex rows written as "x,y x,y ...", placed in that order on an empty
// board; nothing is drawn.
inline void setRows(VertexModel &vertices, const QString &rows)
{
    vertices.clear();
    for (const QString &pair : rows.split(u' ', Qt::SkipEmptyParts))
        vertices.appendVertex(pair.section(u',', 0, 0).toFloat(), pair.section(u',', 1).toFloat());
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
