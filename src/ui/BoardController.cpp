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
#include "VertexModel.h"

namespace {

constexpr int LongestQuotedLine = 40;

// A line of the user's text as a message quotes it.
QString quoted(const TextLine &line)
{
    QString text = line.text.trimmed().toString();
    if (text.size() > LongestQuotedLine)
        text = text.left(LongestQuotedLine - 1) + u'…';
    return QStringLiteral("ред %1 („%2“)").arg(line.number).arg(text);
}

const char *const VertexLineForm = "Всеки ред трябва да съдържа две цели числа, X и Y, разделени с табулация, "
                                   "интервали или точка и запетая.";
const char *const NothingPlaced = "Не е поставен нито един връх.";

// Whether a press could place a vertex there: on a whole pixel of the area.
bool isOn(const QRect &area, Point position)
{
    return position.x >= area.left() && position.x <= area.right() && position.y >= area.top()
           && position.y <= area.bottom();
}

} // namespace

BoardController::BoardController(VertexModel &vertices, Canvas &canvas, ReportView &report, QObject *parent)
    : QObject(parent), m_vertices(vertices), m_canvas(canvas), m_report(report)
{
    connect(&vertices, &VertexModel::selectedRowChanged, this, &BoardController::showSelection);
    placeCrosshair();
}

void BoardController::run(Command command)
{
    switch (command) {
    case Command::OrderAndReport:
        resetOutput();
        m_vertices.reorder(contourOrder(m_vertices.points()));
        reportArea();
        break;
    case Command::ReportInOrder:
        resetOutput();
        reportArea();
        break;
    case Command::ClearBoard:
        m_vertices.clear();
        m_canvas.draw(&Picture::clear);
        m_report.setText(QString());
        placeCrosshair();
        break;
    case Command::DeleteSelected:
        // Without a selected vertex nothing changes, not even a closed board.
        if (m_vertices.removeSelectedVertex()) {
            redrawVertices();
            placeCrosshair();
        }
        break;
    }
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
    m_vertices.appendVertex(float(position.x()), float(position.y()));
    const Point placed = m_vertices.point(m_vertices.vertexCount() - 1);
    m_canvas.draw([placed](Picture &picture) { return FigurePainter(picture).drawVertex(placed); });
    m_lastPlaced = position;
    placeCrosshair();
}

QString BoardController::placeVertexLines(QStringView text)
{
    if (m_vertices.isClosed())
        return QStringLiteral("Лицето вече е изчислено и дъската е затворена. За да поставите нови върхове, "
                              "изберете връх в списъците, изтрийте връх или изчистете всичко.");
    const VertexLinesReading reading = readVertexLines(text);
    if (reading.notAVertex)
        return QStringLiteral("Не е връх: %1.\n%2\n%3")
            .arg(quoted(*reading.notAVertex), QString::fromUtf8(VertexLineForm), QString::fromUtf8(NothingPlaced));
    if (reading.vertices.empty())
        return QStringLiteral("В буфера няма върхове за поставяне.\n%1").arg(QString::fromUtf8(VertexLineForm));

    const QRect area = m_canvas.area();
    const qsizetype room = VertexModel::MaxVertices - m_vertices.vertexCount();
    for (qsizetype i = 0; i < qsizetype(reading.vertices.size()); ++i) {
        const auto &[line, position] = reading.vertices[size_t(i)];
        if (!isOn(area, position))
            return QStringLiteral("Точката е извън платното: %1. X може да е от %2 до %3, а Y от %4 до %5.\n%6")
                .arg(quoted(line))
                .arg(area.left()).arg(area.right()).arg(area.top()).arg(area.bottom())
                .arg(QString::fromUtf8(NothingPlaced));
        if (i == room)
            return QStringLiteral("Няма място за толкова върхове: от %1 нататък. Дъската побира най-много %2, "
                                  "а в нея вече има %3.\n%4")
                .arg(quoted(line))
                .arg(VertexModel::MaxVertices)
                .arg(m_vertices.vertexCount())
                .arg(QString::fromUtf8(NothingPlaced));
    }
    for (const LineVertex &vertex : reading.vertices)
        placeVertex(QPoint(int(vertex.position.x), int(vertex.position.y)));
    return {};
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

void BoardController::showSelection(int row)
{
    if (row >= 0)
        redrawVertices(row);
}

// A computation starts on an empty canvas and report, with the board open.
void BoardController::resetOutput()
{
    m_canvas.draw(&Picture::clear);
    m_report.setText(QString());
    m_vertices.setClosed(false);
}

// The polygon in its present order: the fan drawn and reported, the vertex
// dots over it, and the board closed.
void BoardController::reportArea()
{
    const std::vector<Point> points = m_vertices.points();
    const Fan fan = fanOf(points);
    m_canvas.draw([&](Picture &picture) {
        FigurePainter figure(picture);
        const QRect fanArea = figure.drawFan(fan); // the dots go over it
        return fanArea | figure.drawVertices(points);
    });
    m_report.appendText(areaReport(fan));
    m_vertices.setClosed(true);
}

void BoardController::redrawVertices(int marked)
{
    m_canvas.draw([&](Picture &picture) {
        const QRect cleared = picture.clear();
        FigurePainter(picture).drawVertices(m_vertices.points(), marked);
        return cleared;
    });
}
