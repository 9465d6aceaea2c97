// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardController.h"

#include "AreaReport.h"
#include "Canvas.h"
#include "ContourOrder.h"
#include "Fan.h"
#include "ReportView.h"
#include "VertexModel.h"

BoardController::BoardController(VertexModel &vertices, Canvas &canvas, ReportView &report, QObject *parent)
    : QObject(parent), m_vertices(vertices), m_canvas(canvas), m_report(report), m_figure(canvas)
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
        m_canvas.clear();
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
    m_figure.drawVertex(m_vertices.point(m_vertices.vertexCount() - 1));
    m_lastPlaced = position;
    placeCrosshair();
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
    m_canvas.clear();
    m_report.setText(QString());
    m_vertices.setClosed(false);
}

// The polygon in its present order: the fan drawn and reported, the vertex
// dots over it, and the board closed.
void BoardController::reportArea()
{
    const std::vector<Point> points = m_vertices.points();
    const Fan fan = fanOf(points);
    m_figure.drawFan(fan);
    m_report.appendText(areaReport(fan));
    m_vertices.setClosed(true);
    m_figure.drawVertices(points);
}

void BoardController::redrawVertices(int marked)
{
    m_canvas.clear();
    m_figure.drawVertices(m_vertices.points(), marked);
}
