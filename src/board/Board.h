// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BoardHistory.h"
#include "DrawnFigure.h"
#include "KeptBoard.h"
#include "LinedText.h"
#include "Placement.h"
#include "VertexModel.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

class RowsChange;

// The board: the vertices in polygon order (the model the three vertex
// lists view), the picked vertex, whether the board is closed, the report
// and the figure drawn of it, and the history of its changes. The commands
// are its methods; every change goes through one place, which records it as
// a step of the history, and the board says what changed for the views to
// follow. No widget is in it.
//
// The board is closed from the end of an area computation until it is
// reopened by picking a vertex, deleting one or clearing the board; while it
// is closed, it takes no vertices, but a vertex of its polygon can be taken
// and moved, the polygon and its report following it.
class Board : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxVertices = VertexModel::MaxVertices;

    // A board without vertices, showing `report` (the task) until the first
    // command replaces it.
    explicit Board(QString report = {}, QObject *parent = nullptr);
    ~Board() override;

    // For the lists to view; only the board changes it.
    QAbstractItemModel *model() { return &m_vertices; }
    const VertexModel &vertices() const { return m_vertices; }
    const std::vector<Point> &points() const { return m_vertices.points(); }
    int selectedRow() const { return m_shown.selectedRow; }
    bool isClosed() const { return m_shown.closed; }
    const QString &report() const { return m_shown.report.text; }
    // The report with where each of its lines starts, as it was written.
    const LinedText &reportLines() const { return m_shown.report; }
    // The vertices of the polygon the report describes, as they stood when
    // it was computed; none while it describes none (the task, a cleared
    // board, an opened one). A pick or a deletion erases the polygon from
    // the figure, not from the report.
    const std::shared_ptr<const std::vector<Point>> &reportedVertices() const { return m_shown.reportedVertices; }
    // Whether the rows changed under the report since it was computed (a
    // vertex deleted, moved or placed): it then describes the polygon
    // before those changes, until the next computation or clearing.
    bool isReportOutOfDate() const { return m_shown.reportOutOfDate; }
    const DrawnFigure &figure() const { return m_shown.figure; }
    // The last vertex placed, where the keyboard's crosshair starts; none on
    // an empty board.
    std::optional<QPoint> lastPlaced() const;
    BoardHistory &history() { return m_history; }
    const BoardHistory &history() const { return m_history; }

    // Where vertices may stand: the canvas's pixels.
    QRect area() const { return m_area; }
    void setArea(const QRect &area) { m_area = area; }

    // The vertices in contour order, then the polygon and its report.
    void orderContour();
    // The polygon and its report, the vertices as they stand.
    void connectInOrder();
    // No vertices, no report.
    void clearAll();
    // The picked vertex deleted; false, with nothing changed, when none is
    // picked.
    bool deleteSelected();
    // The user picks a row: it shows red among the other vertices, the
    // polygon is gone and the board reopens. No step of the history.
    void selectRow(int row);

    // A vertex at a canvas pixel, unless the board is closed or full.
    Placement placeVertex(QPoint position);
    // The vertices of the lines of a text ("X<Tab>Y", as the lists copy
    // them), each placed as a press there would place it.
    Placement placeVertexLines(QStringView text);
    // A board of the vertices of the lines of a text, in place of the present
    // one and its report.
    Placement openVertexLines(QStringView text);
    // A board of these vertices in place of the present one, placed as
    // presses there would place them, then "Контур": one step of the
    // history. Nothing changes unless every vertex is a whole pixel of the
    // canvas and the board has room for them all.
    Placement openInContourOrder(const std::vector<Point> &vertices);
    // The board as a recovery file keeps it; the window adds its marks.
    KeptBoard kept() const;
    // A kept board in place of the present one, as it was: its rows, its
    // report computed afresh from the rows it describes, in their order, and
    // its picked vertex; one step of the history. Nothing changes unless
    // every row is a whole pixel of the canvas.
    Placement openKept(const KeptBoard &kept);
    // The vertices of a numbered task on the board's canvas.
    std::vector<Point> taskVertices(int variant) const;
    // A vertex moved: one of its coordinates given anew as the user typed
    // it, as a pasted line would give it. Its row and number stay; the
    // polygon goes as after a deletion, the board reopens, the report stays.
    Placement moveVertex(int row, VertexModel::Column column, QStringView coordinate);

    // Whether a vertex of the polygon shown can be taken to be moved: on a
    // closed board whose report describes the rows as they stand.
    bool canTakeVertices() const;
    // A vertex taken to be moved; false, with nothing changed, where none
    // can be or there is no such row. A vertex taken before is put down
    // first, unless it is this one.
    bool takeVertex(int row);
    // The taken vertex to a pixel, the nearest one on the canvas: its row
    // and number stay, and the figure and the report follow, as "Поред"
    // computes them for the rows as they stand. No step of the history.
    void moveTaken(QPoint to);
    // The taken vertex stays where it is: the whole move, from where it was
    // taken, one step of the history; none when it is back there. Any other
    // command puts it down first.
    void putDown();
    // The taken vertex back where it was taken, the board as it was then.
    void putBack();
    // The taken vertex's row; -1 while none is taken.
    int takenRow() const;
    // One step back or forward in the history, a taken vertex put down first.
    void undo();
    void redo();

signals:
    void reportChanged();
    // The picture is to be drawn afresh from the figure and the rows.
    void figureChanged();
    // Rows were placed on the figure: a dot for each.
    void verticesPlaced(int first, int count);
    void selectedRowChanged(int row);
    void lastPlacedChanged();
    void reportOutOfDateChanged(bool outOfDate);
    // The taken vertex moved from `from`: its dot and the lines that end at
    // it moved with it, the rest of the figure stayed.
    void vertexMoved(int row, QPoint from);
    void takenRowChanged(int row);

private:
    // What the user sees of the board besides its rows.
    struct Shown {
        int selectedRow = -1;
        bool closed = false;
        LinedText report;
        std::shared_ptr<const std::vector<Point>> reportedVertices;
        bool reportOutOfDate = false;
        KeptBoard::Computed computedBy = KeptBoard::Computed::No;
        DrawnFigure figure;

        bool looksLike(const Shown &other) const;
    };
    class Step;
    class Move;

    template <typename Edit>
    void change(Edit edit);
    Placement place(std::vector<Point> points, QPoint last);
    Placement readVertices(QStringView text, int room, std::vector<Point> &points) const;
    void open(std::vector<Point> opened, bool inContourOrder);
    Placement fitsCanvas(const std::vector<Point> &vertices) const;
    void computeArea(KeptBoard::Computed by);
    void setSelectedRow(int row);
    void restore(const RowsChange &rows, bool undo, const Shown &shown);
    void announce(const Shown &before, bool redraw);
    void endMove(bool back);

    VertexModel m_vertices;
    Shown m_shown;
    QPoint m_lastPlaced;
    QRect m_area;
    BoardHistory m_history;
    std::unique_ptr<Move> m_move;
};
