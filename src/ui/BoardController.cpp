// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardController.h"

#include "AreaReport.h"
#include "Canvas.h"
#include "ContourOrder.h"
#include "Fan.h"
#include "FigurePainter.h"
#include "ReportView.h"
#include "VertexLines.h"

#include <algorithm>

namespace {

// Whether a press could place a vertex there: on a whole pixel of the area.
bool isOn(const QRect &area, Point position)
{
    return position.x >= area.left() && position.x <= area.right() && position.y >= area.top()
           && position.y <= area.bottom();
}

VertexLinesVerdict verdict(VertexLinesVerdict::Outcome outcome, const TextLine &line = {})
{
    return {outcome, line.number, line.text.toString()};
}

} // namespace

// One step of the history: how the rows changed, and what the user saw
// before and after. The change is made before the step is recorded, so the
// first redo, which QUndoStack runs on recording, has nothing to do.
class BoardController::Change : public QUndoCommand
{
public:
    Change(BoardController &board, RowsChange rows, BoardView before, BoardView after)
        : m_board(board), m_rows(std::move(rows)), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    void undo() override
    {
        // No selection while the rows move under it.
        m_board.m_vertices.setSelectedRow(-1);
        m_rows.undo(m_board.m_vertices);
        m_board.restore(m_before);
    }

    void redo() override
    {
        if (m_done) {
            m_done = false;
            return;
        }
        m_board.m_vertices.setSelectedRow(-1);
        m_rows.redo(m_board.m_vertices);
        m_board.restore(m_after);
    }

private:
    BoardController &m_board;
    RowsChange m_rows;
    BoardView m_before;
    BoardView m_after;
    bool m_done = true;
};

BoardController::BoardController(VertexModel &vertices, Canvas &canvas, ReportView &report, QObject *parent)
    : QObject(parent), m_vertices(vertices), m_canvas(canvas), m_report(report)
{
    m_history.setUndoLimit(HistorySteps);
    connect(&vertices, &VertexModel::vertexPicked, this, &BoardController::showPicked);
    placeCrosshair();
}

void BoardController::orderContour()
{
    const BoardView before = view();
    const VertexModel::Vertices rows = m_vertices.vertices();
    const std::vector<int> order = contourOrder(m_vertices.points());
    const bool moves = !std::is_sorted(order.begin(), order.end());
    // The rows are put in their order anew, which leaves none selected.
    if (moves)
        m_vertices.reorder(order);
    else
        m_vertices.setSelectedRow(-1);
    reportArea();
    record(moves ? RowsChange::replaced(rows, m_vertices.vertices()) : RowsChange(), before);
}

void BoardController::connectInOrder()
{
    const BoardView before = view();
    reportArea();
    record(RowsChange(), before);
}

void BoardController::clearAll()
{
    const BoardView before = view();
    const VertexModel::Vertices rows = m_vertices.vertices();
    m_vertices.clear();
    m_report.setText(QString());
    showFigure({});
    placeCrosshair();
    record(RowsChange::replaced(rows, {}), before);
}

void BoardController::deleteSelected()
{
    // Without a picked vertex nothing changes, not even a closed board.
    const int row = m_vertices.selectedRow();
    if (row < 0)
        return;
    const BoardView before = view();
    const VertexModel::Vertex removed = m_vertices.vertices().at(row);
    m_vertices.removeSelectedVertex();
    showFigure({DrawnFigure::Base::Vertices, m_vertices.vertexCount()});
    placeCrosshair();
    record(RowsChange::removed(row, removed), before);
}

void BoardController::placeVertex(QPoint position)
{
    if (m_vertices.isClosed())
        return;
    // A full board keeps every vertex it has and says why it takes no more.
    if (m_vertices.isFull()) {
        emit vertexLimitReached();
        return;
    }
    const BoardView before = view();
    const VertexModel::Vertex vertex = VertexModel::vertexAt(float(position.x()), float(position.y()));
    m_vertices.appendVertices({vertex});
    m_canvas.draw([&](Picture &picture) { return FigurePainter(picture).drawVertex(vertex.position); });
    m_lastPlaced = position;
    placeCrosshair();
    record(RowsChange::appended({vertex}), before);
}

VertexLinesVerdict BoardController::placeVertexLines(QStringView text)
{
    if (m_vertices.isClosed())
        return verdict(VertexLinesVerdict::BoardClosed);
    VertexModel::Vertices placed;
    const VertexLinesVerdict read = readVertices(text, VertexModel::MaxVertices - m_vertices.vertexCount(), placed);
    if (read.outcome != VertexLinesVerdict::Placed)
        return read;
    const BoardView before = view();
    m_vertices.appendVertices(placed);
    std::vector<Point> points;
    for (const VertexModel::Vertex &vertex : placed)
        points.push_back(vertex.position);
    m_canvas.draw([&](Picture &picture) { return FigurePainter(picture).drawVertices(points); });
    m_lastPlaced = QPoint(int(points.back().x), int(points.back().y));
    placeCrosshair();
    record(RowsChange::appended(placed), before);
    return read;
}

VertexLinesVerdict BoardController::openVertexLines(QStringView text)
{
    VertexModel::Vertices opened;
    const VertexLinesVerdict read = readVertices(text, VertexModel::MaxVertices, opened);
    if (read.outcome != VertexLinesVerdict::Placed)
        return read;
    const BoardView before = view();
    const VertexModel::Vertices rows = m_vertices.vertices();
    m_vertices.setVertices(opened);
    m_vertices.setClosed(false);
    m_report.setText(QString());
    showFigure({});
    const Point last = opened.constLast().position;
    m_lastPlaced = QPoint(int(last.x), int(last.y));
    placeCrosshair();
    record(RowsChange::replaced(rows, opened), before);
    return read;
}

// The vertices of a text's lines, each where a press would place it, as
// long as every line is a vertex on the canvas and `room` takes them all.
VertexLinesVerdict BoardController::readVertices(QStringView text, int room, VertexModel::Vertices &vertices) const
{
    const VertexLinesReading reading = readVertexLines(text);
    if (reading.notAVertex)
        return verdict(VertexLinesVerdict::NotAVertex, *reading.notAVertex);
    if (reading.vertices.empty())
        return verdict(VertexLinesVerdict::NoVertices);
    const QRect area = m_canvas.area();
    for (const auto &[line, position] : reading.vertices) {
        if (!isOn(area, position))
            return verdict(VertexLinesVerdict::OffCanvas, line);
        if (vertices.size() == room)
            return verdict(VertexLinesVerdict::NoRoom, line);
        vertices.append(VertexModel::vertexAt(float(position.x), float(position.y)));
    }
    return verdict(VertexLinesVerdict::Placed);
}

// The polygon in its present order: the fan drawn and reported, the vertex
// dots over it, and the board closed.
void BoardController::reportArea()
{
    m_report.setText(areaReport(fanOf(m_vertices.points())));
    m_vertices.setClosed(true);
    showFigure({DrawnFigure::Base::Fan, m_vertices.vertexCount()});
}

void BoardController::showFigure(const DrawnFigure &figure)
{
    m_figure = figure;
    const std::vector<Point> points = m_vertices.points();
    m_canvas.draw([&](Picture &picture) { return FigurePainter(picture).drawFigure(m_figure, points); });
}

// A picked vertex shows red among the others; the polygon is gone. Picking
// is no change of the board, and no step of its history.
void BoardController::showPicked(int row)
{
    showFigure({DrawnFigure::Base::Vertices, m_vertices.vertexCount(), row});
}

// The keyboard's crosshair starts at the last vertex placed, or at the
// centre of an empty board.
void BoardController::placeCrosshair()
{
    if (m_vertices.vertexCount() == 0)
        m_canvas.centreCrosshair();
    else
        m_canvas.setCrosshair(m_lastPlaced);
}

BoardView BoardController::view() const
{
    return {m_vertices.selectedRow(), m_vertices.isClosed(), m_report.text(), m_figure};
}

// A change that shows nothing new, "Контур" twice say, is no step.
void BoardController::record(RowsChange rows, const BoardView &before)
{
    BoardView after = view();
    if (rows.isEmpty() && after == before)
        return;
    m_history.push(new Change(*this, std::move(rows), before, std::move(after)));
}

// The board as it was seen, once its rows are back.
void BoardController::restore(const BoardView &view)
{
    m_vertices.setSelectedRow(view.selectedRow);
    m_vertices.setClosed(view.closed);
    if (m_report.text() != view.report)
        m_report.setText(view.report);
    showFigure(view.figure);
    placeCrosshair();
}
