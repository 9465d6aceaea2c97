// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LessonMarks.h"

#include "Board.h"
#include "Canvas.h"
#include "ContourProblem.h"
#include "IntegerVector.h"
#include "Messages.h"
#include "ReportView.h"
#include "WorkingWindow.h"

namespace {

const QColor MarkFill(255, 236, 150);
const QColor MarkOverlap(240, 170, 60); // where the fan's triangles overlap
const QColor MarkInk(0, 70, 200);
const QColor MarkGround(255, 255, 255, 210);

QPointF pixelOf(Point p)
{
    return QPointF(p.x, p.y);
}

// Whether the point lies in the triangle, its sides included.
bool contains(const FanTriangle &t, QPointF p)
{
    const auto a = wholeVector(t.A), b = wholeVector(t.B), c = wholeVector(t.C), q = wholeVector({p.x(), p.y()});
    return a && b && c && q && inTriangle(*a, *b, *c, *q);
}

} // namespace

LessonMarks::LessonMarks(const Board &board, ReportView &report, Canvas &canvas, QWidget *window)
    : QObject(window), m_board(board), m_report(report), m_canvas(canvas), m_window(window)
{
    connect(&report, &ReportView::hoveredLineChanged, this, [this](int line) { mark(partAt(line), false); });
    connect(&report, &ReportView::cursorPositionChanged, this, [this] {
        if (m_working && m_working->isVisible())
            showWorking(describedPartAt(m_report.lineOf(m_report.cursorPosition())), false);
    });
    connect(&report, &ReportView::blockStepRequested, this, &LessonMarks::step);
    connect(&report, &ReportView::workingRequested, this, [this](int line) { showWorking(describedPartAt(line), true); });
    connect(&report, &ReportView::focusLost, this, [this] {
        if (m_markedByKeyboard)
            unmark();
    });
    for (auto changed : {&Board::reportChanged, &Board::figureChanged, &Board::lastPlacedChanged})
        connect(&board, changed, this, &LessonMarks::unmark);
    connect(&board, &Board::verticesPlaced, this, &LessonMarks::unmark);
    connect(&board, &Board::selectedRowChanged, this, &LessonMarks::unmark);
    canvas.setToolTipSource([this](QPoint pixel) { return toolTipAt(pixel); });
}

// The report describes the polygon shown from its computation until the
// board reopens.
ReportPart LessonMarks::partAt(int line) const
{
    const DrawnFigure &figure = m_board.figure();
    if (!m_board.isClosed() || figure.base != DrawnFigure::Base::Fan || !figure.fan || line >= m_report.lineCount())
        return {};
    return reportPartAt(line, int(figure.fan->triangles.size()));
}

ReportPart LessonMarks::describedPartAt(int line) const
{
    const auto &vertices = m_board.reportedVertices();
    if (!vertices || line >= m_report.lineCount())
        return {};
    return reportPartAt(line, std::max(0, int(vertices->size()) - 2));
}

// The fan the report describes: the one shown, or else the one its
// vertices make.
std::shared_ptr<const Fan> LessonMarks::describedFan() const
{
    const DrawnFigure &figure = m_board.figure();
    if (m_board.isClosed() && figure.fan)
        return figure.fan;
    const auto &vertices = m_board.reportedVertices();
    return vertices ? std::make_shared<const Fan>(fanOf(*vertices)) : nullptr;
}

QColor LessonMarks::fillColour()
{
    return MarkFill;
}

void LessonMarks::showWorkingAtCaret()
{
    showWorking(describedPartAt(m_report.lineOf(m_report.cursorPosition())), true);
}

// The warning's line shows the total's working: why the sum is not the
// area.
void LessonMarks::showWorking(ReportPart part, bool show)
{
    if (part.kind == ReportPart::Beyond)
        return;
    const std::shared_ptr<const Fan> fan = describedFan();
    if (!fan)
        return;
    const int block = part.kind == ReportPart::Triangle ? part.triangle : int(fan->triangles.size());
    if (!m_working)
        m_working = new WorkingWindow(m_window);
    show ? m_working->showWorking(*fan, block) : void(m_working->setWorking(*fan, block));
}

void LessonMarks::mark(ReportPart part, bool byKeyboard)
{
    if (!byKeyboard && part.kind == ReportPart::Beyond && m_markedByKeyboard)
        return; // the pointer left the report: the keyboard's mark stays
    m_markedByKeyboard = byKeyboard;
    if (part == m_marked)
        return;
    m_marked = part;
    m_canvas.setMark(markOf(part));
}

void LessonMarks::unmark()
{
    m_marked = {};
    m_markedByKeyboard = false;
    m_canvas.setMark({});
}

// From the caret's part to the first line of the next or the one before.
// From the caret's part to the first line of the next or the one before,
// while the report describes a polygon; marked while it is shown.
void LessonMarks::step(int direction)
{
    const auto &vertices = m_board.reportedVertices();
    if (!vertices)
        return;
    const int triangles = std::max(0, int(vertices->size()) - 2);
    const ReportPart here = describedPartAt(m_report.lineOf(m_report.cursorPosition()));
    int line = here.kind == ReportPart::Beyond ? -1 : firstLineOf(here, triangles);
    ReportPart next;
    do {
        line += direction;
        next = describedPartAt(line);
    } while (line >= 0 && line < m_report.lineCount() && (next == here || firstLineOf(next, triangles) != line));
    if (next.kind == ReportPart::Beyond)
        return;
    m_report.setCursorPosition(m_report.lineStart(line));
    mark(partAt(line), true);
}

CanvasMark LessonMarks::markOf(ReportPart part) const
{
    CanvasMark mark;
    mark.fill = MarkFill;
    mark.ink = MarkInk;
    mark.ground = MarkGround;
    const DrawnFigure &figure = m_board.figure();
    if (part.kind == ReportPart::Beyond || !figure.fan)
        return {};
    const std::vector<Point> &points = m_board.points();
    switch (part.kind) {
    case ReportPart::Triangle: {
        const FanTriangle &t = figure.fan->triangles[part.triangle];
        mark.area << pixelOf(t.A) << pixelOf(t.B) << pixelOf(t.C);
        mark.labels = {{pixelOf(t.A), QStringLiteral("1")}, {pixelOf(t.B), QString::number(t.k)},
                       {pixelOf(t.C), QString::number(t.k + 1)}};
        break;
    }
    case ReportPart::Total: mark.shading = shadingOf(cover()); break;
    case ReportPart::Warning:
        for (int vertex : contourProblem(points).innerVertices)
            mark.rings << pixelOf(points[vertex - 1]);
        break;
    case ReportPart::Beyond: break;
    }
    return mark;
}

// Once light, twice or more darker: white leaves the picture as it is.
QImage LessonMarks::shadingOf(const FanCover &cover)
{
    QImage counts(cover.width(), cover.height(), QImage::Format_Indexed8);
    QList<QRgb> colours(256, MarkOverlap.rgb());
    colours[0] = qRgb(255, 255, 255);
    colours[1] = MarkFill.rgb();
    counts.setColorTable(colours);
    for (int y = 0; y < cover.height(); ++y) {
        uchar *row = counts.scanLine(y);
        for (int x = 0; x < cover.width(); ++x)
            row[x] = uchar(cover.countAt(x, y));
    }
    return counts.convertToFormat(QImage::Format_RGB32);
}

const FanCover &LessonMarks::cover() const
{
    const std::shared_ptr<const Fan> &fan = m_board.figure().fan;
    if (fan != m_coveredFan) {
        m_coveredFan = fan;
        m_cover = fan ? FanCover(*fan, m_board.area().width(), m_board.area().height()) : FanCover();
    }
    return m_cover;
}

// The first triangle of the fan under the pointer, on a board that shows its
// polygon, and how many cover the place where more than one do.
QString LessonMarks::toolTipAt(QPoint pixel) const
{
    const DrawnFigure &figure = m_board.figure();
    if (!m_board.isClosed() || !figure.fan)
        return {};
    const QPointF at(pixel);
    for (const FanTriangle &t : figure.fan->triangles)
        if (contains(t, at)) {
            const int covering = cover().countAt(pixel.x(), pixel.y());
            return covering > 1 ? Messages::triangleAreas(t) + u'\n' + Messages::overlapping(covering)
                                : Messages::triangleAreas(t);
        }
    return {};
}
