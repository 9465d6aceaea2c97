// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Board.h"

#include "AreaReport.h"
#include "BoardMove.h"
#include "BoardStep.h"
#include "ContourOrder.h"
#include "ContourWarning.h"
#include "IntegerVector.h"
#include "RowsChange.h"
#include "TaskPolygon.h"
#include "VertexLines.h"

#include <algorithm>

namespace {

// The same text, known at once when it is the same string.
bool sameText(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

bool sameFigure(const DrawnFigure &a, const DrawnFigure &b)
{
    return a.base == b.base && a.baseVertices == b.baseVertices && a.marked == b.marked && a.fan == b.fan;
}

Placement verdict(Placement::Outcome outcome, const TextLine &line = {})
{
    return {outcome, line.number, line.text.toString()};
}

} // namespace

bool Board::Shown::looksLike(const Shown &other) const
{
    return selectedRow == other.selectedRow && closed == other.closed && figure.looksLike(other.figure)
           && sameText(report.text, other.report.text);
}

Board::Board(QString report, QObject *parent)
    : QObject(parent)
{
    m_shown.report = LinedText::from(report);
}

Board::~Board() = default;

std::optional<QPoint> Board::lastPlaced() const
{
    if (m_vertices.vertexCount() == 0)
        return std::nullopt;
    return m_lastPlaced;
}

// Every change of the board: `edit` changes it and says how its rows
// changed; what the user saw before and sees now makes the step. A change
// that shows nothing new ("Контур" twice, "Чисти" on a cleared board) is
// no step.
template <typename Edit>
void Board::change(Edit edit)
{
    putDown();
    const Shown before = m_shown;
    const std::optional<QPoint> placedBefore = lastPlaced();
    RowsChange rows = edit();
    // A new report, or none, is of the rows as they stand; rows changed
    // under a kept report leave it describing the polygon before them.
    if (m_shown.reportedVertices != before.reportedVertices)
        m_shown.reportOutOfDate = m_shown.reportedVertices && *m_shown.reportedVertices != points();
    else if (!rows.isEmpty() && m_shown.reportedVertices)
        m_shown.reportOutOfDate = true;
    // Dots of appended rows are drawn on the figure; any other change of the
    // rows draws it afresh.
    const bool redraw = !sameFigure(before.figure, m_shown.figure) || !(rows.isEmpty() || rows.onlyAppends());
    if (!rows.isEmpty() || !m_shown.looksLike(before))
        m_history.record(std::make_shared<Step>(*this, std::move(rows), before, m_shown));
    announce(before, redraw);
    if (lastPlaced() != placedBefore)
        emit lastPlacedChanged();
}

void Board::announce(const Shown &before, bool redraw)
{
    if (!sameText(before.report.text, m_shown.report.text))
        emit reportChanged();
    if (redraw)
        emit figureChanged();
    if (before.reportOutOfDate != m_shown.reportOutOfDate)
        emit reportOutOfDateChanged(m_shown.reportOutOfDate);
}

// The board as the step left it or found it.
void Board::restore(const RowsChange &rows, bool undo, const Shown &shown)
{
    // The rows as the step left them or found them, not with a vertex on
    // its way.
    putBack();
    const Shown before = m_shown;
    // No selection while the rows move under it.
    setSelectedRow(-1);
    undo ? rows.undo(m_vertices) : rows.redo(m_vertices);
    m_shown.closed = shown.closed;
    m_shown.report = shown.report;
    m_shown.reportedVertices = shown.reportedVertices;
    m_shown.reportOutOfDate = shown.reportOutOfDate;
    m_shown.computedBy = shown.computedBy;
    m_shown.figure = shown.figure;
    if (m_shown.figure.base == DrawnFigure::Base::Fan) {
        const auto &all = points();
        const std::vector<Point> base(all.begin(), all.begin() + std::min(m_shown.figure.baseVertices, int(all.size())));
        m_shown.figure.fan = std::make_shared<const Fan>(fanOf(base));
    }
    setSelectedRow(shown.selectedRow);
    announce(before, true);
    emit lastPlacedChanged();
}

void Board::orderContour()
{
    change([this] {
        std::vector<int> order = contourOrder(points());
        const bool moves = !std::is_sorted(order.begin(), order.end());
        // The rows are put in their order anew, which leaves none selected.
        setSelectedRow(-1);
        if (moves)
            m_vertices.reorder(order);
        computeArea(KeptBoard::Computed::ContourOrder);
        return moves ? RowsChange::reordered(std::move(order)) : RowsChange();
    });
}

void Board::connectInOrder()
{
    change([this] {
        computeArea(KeptBoard::Computed::InOrder);
        return RowsChange();
    });
}

void Board::clearAll()
{
    change([this] {
        std::vector<Point> removed = points();
        setSelectedRow(-1);
        m_vertices.setPoints({});
        m_shown.closed = false;
        m_shown.report = LinedText::from(QString());
        m_shown.reportedVertices.reset();
        m_shown.computedBy = KeptBoard::Computed::No;
        m_shown.figure = {};
        return RowsChange::replaced(std::move(removed), {});
    });
}

bool Board::deleteSelected()
{
    // Without a picked vertex nothing changes, not even a closed board.
    const int row = selectedRow();
    if (row < 0)
        return false;
    change([this, row] {
        const Point removed = points()[row];
        // The selection goes first: a list whose current row is removed
        // would otherwise move it to a neighbour and select that one.
        setSelectedRow(-1);
        m_vertices.remove(row);
        m_shown.closed = false;
        m_shown.figure = {DrawnFigure::Base::Vertices, m_vertices.vertexCount(), -1, nullptr};
        return RowsChange::removed(row, removed);
    });
    return true;
}

void Board::selectRow(int row)
{
    if (row < 0 || row >= m_vertices.vertexCount() || row == selectedRow())
        return;
    putDown();
    setSelectedRow(row);
    m_shown.closed = false;
    m_shown.figure = {DrawnFigure::Base::Vertices, m_vertices.vertexCount(), row, nullptr};
    emit figureChanged();
}

void Board::setSelectedRow(int row)
{
    if (row == m_shown.selectedRow)
        return;
    m_shown.selectedRow = row;
    emit selectedRowChanged(row);
}

Placement Board::placeVertex(QPoint position)
{
    if (isClosed())
        return verdict(Placement::BoardClosed);
    if (m_vertices.isFull())
        return verdict(Placement::NoRoom);
    if (!m_area.contains(position))
        return verdict(Placement::OffCanvas);
    return place({VertexModel::pointAt(position)}, position);
}

Placement Board::placeVertexLines(QStringView text)
{
    if (isClosed())
        return verdict(Placement::BoardClosed);
    std::vector<Point> placed;
    const Placement read = readVertices(text, MaxVertices - m_vertices.vertexCount(), placed);
    if (!read.placed())
        return read;
    const Point last = placed.back();
    return place(std::move(placed), QPoint(int(last.x), int(last.y)));
}

// Vertices on the figure: a dot for each.
Placement Board::place(std::vector<Point> points, QPoint last)
{
    const int first = m_vertices.vertexCount();
    change([&] {
        m_vertices.append(points);
        m_lastPlaced = last;
        return RowsChange::appended(std::move(points));
    });
    emit verticesPlaced(first, m_vertices.vertexCount() - first);
    return {};
}

Placement Board::openVertexLines(QStringView text)
{
    std::vector<Point> opened;
    const Placement read = readVertices(text, MaxVertices, opened);
    if (read.placed())
        open(std::move(opened), false);
    return read;
}

Placement Board::openInContourOrder(const std::vector<Point> &vertices)
{
    if (vertices.empty())
        return verdict(Placement::NoVertices);
    const Placement fits = fitsCanvas(vertices);
    if (fits.placed())
        open(vertices, true);
    return fits;
}

Placement Board::fitsCanvas(const std::vector<Point> &vertices) const
{
    if (int(vertices.size()) > MaxVertices)
        return verdict(Placement::NoRoom);
    for (Point p : vertices) {
        const std::optional<IntegerVector> pixel = wholeVector(p);
        if (!pixel || !m_area.contains(QPoint(int(pixel->x), int(pixel->y))))
            return verdict(Placement::OffCanvas);
    }
    return {};
}

KeptBoard Board::kept() const
{
    KeptBoard kept;
    kept.rows = points();
    kept.computed = m_shown.computedBy;
    kept.reportOutOfDate = m_shown.reportOutOfDate && m_shown.reportedVertices;
    if (kept.reportOutOfDate)
        kept.reported = *m_shown.reportedVertices;
    kept.picked = selectedRow();
    return kept;
}

// The report of the rows it describes, computed as they stood, in their
// order: the command that computed it had put them in that order, and the
// report of rows as they stand is the same text whichever command made it.
// Then the rows as they stand, and the picked one, as a pick shows it.
Placement Board::openKept(const KeptBoard &kept)
{
    Placement fits = fitsCanvas(kept.rows);
    if (fits.placed() && kept.reportOutOfDate)
        fits = fitsCanvas(kept.reported);
    if (!fits.placed())
        return fits;
    const int picked = kept.picked < int(kept.rows.size()) ? kept.picked : -1;
    change([&] {
        std::vector<Point> replaced = points();
        setSelectedRow(-1);
        const bool computed = kept.computed != KeptBoard::Computed::No;
        m_vertices.setPoints(computed && kept.reportOutOfDate ? kept.reported : kept.rows);
        if (computed) {
            computeArea(kept.computed);
        } else if (m_shown.reportedVertices) {
            m_shown.report = LinedText::from(QString());
            m_shown.reportedVertices.reset();
            m_shown.computedBy = KeptBoard::Computed::No;
        }
        if (computed && kept.reportOutOfDate)
            m_vertices.setPoints(kept.rows);
        if (!kept.rows.empty())
            m_lastPlaced = QPoint(int(kept.rows.back().x), int(kept.rows.back().y));
        if (!computed || kept.reportOutOfDate || picked >= 0) {
            m_shown.closed = false;
            m_shown.figure = {DrawnFigure::Base::Vertices, m_vertices.vertexCount(), picked, nullptr};
        }
        setSelectedRow(picked);
        return RowsChange::replaced(std::move(replaced), kept.rows);
    });
    return {};
}

std::vector<Point> Board::taskVertices(int variant) const
{
    std::vector<Point> vertices = Task::polygon(variant, m_area.width(), m_area.height());
    for (Point &p : vertices)
        p = {p.x + m_area.left(), p.y + m_area.top()};
    return vertices;
}

// The vertices in place of the present ones, the last of them where the
// keyboard's crosshair starts: without a report, or in contour order with
// theirs.
void Board::open(std::vector<Point> opened, bool inContourOrder)
{
    change([&] {
        std::vector<Point> replaced = points();
        setSelectedRow(-1);
        const Point last = opened.back();
        m_lastPlaced = QPoint(int(last.x), int(last.y));
        if (inContourOrder) {
            std::vector<Point> ordered;
            for (int i : contourOrder(opened))
                ordered.push_back(opened[size_t(i)]);
            opened = std::move(ordered);
        }
        m_vertices.setPoints(opened);
        if (inContourOrder) {
            computeArea(KeptBoard::Computed::ContourOrder);
        } else {
            m_shown.closed = false;
            m_shown.report = LinedText::from(QString());
            m_shown.reportedVertices.reset();
            m_shown.computedBy = KeptBoard::Computed::No;
            m_shown.figure = {};
        }
        return RowsChange::replaced(std::move(replaced), std::move(opened));
    });
}

Placement Board::moveVertex(int row, VertexModel::Column column, QStringView coordinate)
{
    if (row < 0 || row >= m_vertices.vertexCount() || column == VertexModel::NumberColumn)
        return verdict(Placement::NoVertices);
    const Point from = points()[row];
    const QString line = column == VertexModel::XColumn
        ? coordinate.toString() + u'\t' + QString::number(qint64(from.y))
        : QString::number(qint64(from.x)) + u'\t' + coordinate.toString();
    std::vector<Point> read;
    Placement placement = readVertices(line, 1, read);
    if (!placement.placed()) {
        // The line at fault is the vertex's row.
        placement.lineNumber = placement.lineNumber > 0 ? row + 1 : 0;
        return placement;
    }
    change([&] {
        const Point to = read.front();
        m_vertices.move(row, to);
        m_shown.closed = false;
        m_shown.figure = {DrawnFigure::Base::Vertices, m_vertices.vertexCount(), selectedRow(), nullptr};
        return RowsChange::moved(row, from, to);
    });
    return placement;
}

bool Board::canTakeVertices() const
{
    const DrawnFigure &figure = m_shown.figure;
    return isClosed() && figure.base == DrawnFigure::Base::Fan && figure.fan
           && figure.baseVertices == m_vertices.vertexCount() && !m_shown.reportOutOfDate;
}

bool Board::takeVertex(int row)
{
    if (m_move && m_move->row() == row)
        return true;
    putDown();
    if (!canTakeVertices() || row < 0 || row >= m_vertices.vertexCount())
        return false;
    m_move = std::make_unique<Move>(*this, row);
    emit takenRowChanged(row);
    return true;
}

int Board::takenRow() const
{
    return m_move ? m_move->row() : -1;
}

void Board::moveTaken(QPoint to)
{
    if (!m_move)
        return;
    const QPoint onCanvas(std::clamp(to.x(), m_area.left(), m_area.right()),
                          std::clamp(to.y(), m_area.top(), m_area.bottom()));
    const int row = m_move->row();
    const Point from = points()[size_t(row)];
    if (VertexModel::pointAt(onCanvas) == from)
        return;
    m_vertices.move(row, VertexModel::pointAt(onCanvas));
    m_move->follow(from);
}

void Board::putDown()
{
    endMove(false);
}

void Board::putBack()
{
    endMove(true);
}

// A vertex put down where it was taken, or put back there, leaves the board
// as it was, its report the very text it was.
void Board::endMove(bool back)
{
    if (!m_move)
        return;
    m_move->catchUp();
    const int row = m_move->row();
    const Point at = points()[size_t(row)];
    if (at == m_move->from()) {
        m_shown = m_move->before();
    } else if (back) {
        // Those who follow see the vertex back as one more move.
        m_vertices.move(row, m_move->from());
        m_shown = m_move->before();
        emit vertexMoved(row, QPoint(int(at.x), int(at.y)));
        emit reportChanged();
    } else {
        m_history.record(std::make_shared<Step>(*this, RowsChange::moved(row, m_move->from(), at), m_move->before(), m_shown));
    }
    m_move.reset();
    emit takenRowChanged(-1);
}

void Board::undo()
{
    putDown();
    m_history.undo();
}

void Board::redo()
{
    putDown();
    m_history.redo();
}

// The vertices of a text's lines, each where a press would place it, as
// long as every line is a vertex on the canvas and `room` takes them all.
Placement Board::readVertices(QStringView text, int room, std::vector<Point> &points) const
{
    const VertexLinesReading reading = readVertexLines(text);
    if (reading.notAVertex)
        return verdict(Placement::NotAVertex, *reading.notAVertex);
    if (reading.vertices.empty())
        return verdict(Placement::NoVertices);
    for (const auto &[line, position] : reading.vertices) {
        const bool onCanvas = position.x >= m_area.left() && position.x <= m_area.right()
                              && position.y >= m_area.top() && position.y <= m_area.bottom();
        if (!onCanvas)
            return verdict(Placement::OffCanvas, line);
        if (int(points.size()) == room)
            return verdict(Placement::NoRoom, line);
        points.push_back(position);
    }
    return verdict(Placement::Placed);
}

// The polygon in its present order: its fan, computed once for the report
// and the figure, the vertex dots over it, and the board closed.
void Board::computeArea(KeptBoard::Computed by)
{
    auto fan = std::make_shared<const Fan>(fanOf(points()));
    LinedText report;
    report.text = areaReport(*fan, &report.lineStarts, contourWarning(points()));
    m_shown.report = std::move(report);
    m_shown.reportedVertices = std::make_shared<const std::vector<Point>>(points());
    m_shown.closed = true;
    m_shown.computedBy = by;
    m_shown.figure = {DrawnFigure::Base::Fan, m_vertices.vertexCount(), -1, std::move(fan)};
}
