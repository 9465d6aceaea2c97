// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawnFigure.h"
#include "Point.h"

#include <QColor>
#include <QLineF>
#include <QTransform>

#include <vector>

class QPainter;

// The board's figure drawn as lines and dots with a painter, at any size:
// on paper and on the projector, where the canvas's pixels would show their
// steps. It is the figure FigurePainter draws on the canvas: the polygon's
// sides solid, the fan's diagonals dashed, dotted and dash-dotted in turn
// (white, as on the canvas, on paper), the vertices as dots, the picked one
// red. The diagonals are drawn first and the sides over them, each kind in
// one call: a full board's 65,000 lines go to a PDF file or the screen at
// once, and a white diagonal never cuts a side.
//
// Widths are the page's or the screen's own pixels; `toPage` maps the
// picture's pixels there, the middle of a vertex's pixel to its dot's
// centre.
struct FigureLines {
    QTransform toPage;
    qreal sideWidth = 1;
    qreal diagonalWidth = 1;
    QColor diagonalColour = Qt::white;
    // Solid diagonals draw ten times as fast on a screen: where there are
    // thousands, their dashes would run together anyway.
    bool dashedDiagonals = true;
    // Dashed, dotted and dash-dotted in turn, as on the canvas; or all in
    // the one dashed pattern, where the diagonals' styles would only be
    // told apart close up.
    bool alternatingDashes = true;
    qreal dotWidth = 5;
    // The dots' centres, and so the lines' ends, on the page's whole units:
    // at a printer's 1,200 an inch nobody sees it, and a full board's page
    // goes into the PDF file in half the bytes and half the time.
    bool wholeUnits = false;

    void draw(QPainter &painter, const DrawnFigure &figure, const std::vector<Point> &vertices) const;
    // Every side and diagonal draw() draws, on the page.
    std::vector<QLineF> linesOf(const DrawnFigure &figure, const std::vector<Point> &vertices) const;
    // Where a vertex's dot stands on the page.
    QPointF dotCentre(Point vertex) const;
};
