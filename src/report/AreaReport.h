// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fan.h"
#include "LinedText.h"

#include <QList>
#include <QString>
#include <QStringView>

// The area report of a fan: for every triangle a block of four lines (its
// vertices and coordinates, its sides, its two areas, an empty line), then
// the total. Every line ends with CR LF. Where the lines start goes to
// `lineStarts`, when given, for a view that lays out only the lines it
// shows: 0, then after every CR LF but the last. A line to follow the
// total (the contour's warning, CR LF ended) is written with it, so that
// the report is made once, in one piece.
QString areaReport(const Fan &fan, QList<qsizetype> *lineStarts = nullptr, QStringView afterTotal = {});

// The report of `fan` written from `before`, the report of a fan of as many
// triangles that differ from it only in `changed` (a vertex moved): those
// blocks written anew, the others copied, then the total and the line to
// follow it. The same text and line starts as areaReport(fan, ...).
LinedText areaReportAfter(const LinedText &before, const Fan &fan, TriangleRange changed, QStringView afterTotal = {});
