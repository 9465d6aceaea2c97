// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Command.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringView>

class Canvas;
class ReportView;
class VertexModel;

// What the user's actions do to the board: a press on the canvas places a
// vertex, a selected vertex is marked, and the commands order, measure,
// clear and delete. It keeps the canvas and the report in step with the
// vertex model.
class BoardController : public QObject
{
    Q_OBJECT

public:
    BoardController(VertexModel &vertices, Canvas &canvas, ReportView &report, QObject *parent = nullptr);

    void run(Command command);
    // A vertex at a canvas position, unless the board is closed or full.
    void placeVertex(QPoint position);
    // The vertices of the lines of a text ("X<Tab>Y", as the vertex lists
    // copy them), each placed as a press there would place it: all of them,
    // or none and what is wrong, in Bulgarian.
    QString placeVertexLines(QStringView text);

signals:
    // A press was refused because the board holds the most vertices it can.
    void vertexLimitReached();

private:
    void showSelection(int row);
    void resetOutput();
    void reportArea();
    void redrawVertices(int marked = -1);
    void placeCrosshair();

    VertexModel &m_vertices;
    Canvas &m_canvas;
    ReportView &m_report;
    QPoint m_lastPlaced;
};
