// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawnFigure.h"
#include "RowsChange.h"
#include "VertexModel.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringView>
#include <QUndoStack>

class Canvas;
class ReportView;

// What became of a text of vertex lines: placed, or why not, for the window
// to put in words. Nothing is placed unless all of it is.
struct VertexLinesVerdict {
    enum Outcome {
        Placed,
        BoardClosed, // the area is computed: the board takes no vertices
        NoVertices,  // no line holds a vertex
        NotAVertex,  // the line is not two whole numbers
        OffCanvas,   // the line's point is off the canvas
        NoRoom,      // the board has no room for the line's vertex and those after it
    };

    Outcome outcome = Placed;
    int lineNumber = 0; // from 1
    QString lineText;
};

// What the user sees of the board besides its rows.
struct BoardView {
    int selectedRow = -1;
    bool closed = false;
    QString report;
    DrawnFigure figure;

    friend bool operator==(const BoardView &a, const BoardView &b)
    {
        return a.selectedRow == b.selectedRow && a.closed == b.closed && a.figure == b.figure
               && a.report == b.report;
    }
};

// What the user's actions do to the board: a press on the canvas places a
// vertex, a picked vertex is marked, and the commands order, measure,
// clear, delete and open. It keeps the canvas and the report in step with
// the vertex model, and every change of the board is one step of its
// history, which undo and redo walk.
class BoardController : public QObject
{
    Q_OBJECT

public:
    // The history keeps the newest steps; a step holds only what its change
    // touched (one row for a press), so a hundred steps of a full board fit
    // in a few megabytes.
    static constexpr int HistorySteps = 100;

    BoardController(VertexModel &vertices, Canvas &canvas, ReportView &report, QObject *parent = nullptr);

    // The vertices in contour order, then the polygon drawn and its area reported.
    void orderContour();
    // The polygon drawn and its area reported with the vertices as they stand.
    void connectInOrder();
    // No vertices, no report.
    void clearAll();
    // The picked vertex deleted; nothing happens when none is picked.
    void deleteSelected();
    // A vertex at a canvas position, unless the board is closed or full.
    void placeVertex(QPoint position);
    // The vertices of the lines of a text ("X<Tab>Y", as the vertex lists
    // copy them), each placed as a press there would place it.
    VertexLinesVerdict placeVertexLines(QStringView text);
    // A board of the vertices of the lines of a text, in place of the
    // present one and its report.
    VertexLinesVerdict openVertexLines(QStringView text);

    QUndoStack &history() { return m_history; }

signals:
    // A press was refused because the board holds the most vertices it can.
    void vertexLimitReached();

private:
    class Change;

    VertexLinesVerdict readVertices(QStringView text, int room, VertexModel::Vertices &vertices) const;
    void reportArea();
    void showFigure(const DrawnFigure &figure);
    void showPicked(int row);
    void placeCrosshair();
    BoardView view() const;
    void record(RowsChange rows, const BoardView &before);
    void restore(const BoardView &view);

    VertexModel &m_vertices;
    Canvas &m_canvas;
    ReportView &m_report;
    DrawnFigure m_figure;
    QPoint m_lastPlaced;
    QUndoStack m_history;
};
