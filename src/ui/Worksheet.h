// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawnFigure.h"
#include "Point.h"

#include <QDate>
#include <QFont>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPrinter;

// What goes on a worksheet.
struct WorksheetContent {
    QSize pictureSize;           // the canvas's, in its pixels
    DrawnFigure figure;          // drawn of the vertices as on the canvas
    std::vector<Point> vertices; // the figure's, in canvas pixels, in order: element r is vertex r + 1
    QString text;                // the report, or the pupil's exercise: every line ended by CR LF
    QFont font;                  // the window's font
    QDate date;                  // the day, printed in Bulgarian's short date form with a four-digit year
    QString mark = {};           // at the right end of the name line, as a class set's "Вариант 1234"
};

// How far a worksheet has come: `done` steps of `total`, which stays the
// same; false stops it.
using WorksheetProgress = std::function<bool(int done, int total)>;

// What became of a worksheet.
struct WorksheetOutcome {
    enum Result { Written, Cancelled, Failed };
    Result result = Written;
    QString failure = {}; // why it failed, when the system says
};

// Prints the worksheet. The first page starts with a heading of the theme
// and the date and a line for the pupil's name and class; then comes the
// picture, framed, as wide as the text (down to half as wide where that
// keeps the sheet on one page), drawn as lines and dots at the printer's
// resolution, with each vertex's number beside its dot where it overlaps no
// dot and no other number (the numbers are on paper only; the text gives
// every vertex's coordinates); then the text, in `font`, wrapped to the
// page. A paragraph of the text (the lines up to an empty line, such as a
// triangle's three lines) stays on one page when it fits on one, and the
// last one, the total, with the one before it. Every page ends with
// "стр. N от M".
//
// The sheet is laid out whole before the printer starts, and told to
// `progress` as its lines are laid out and its pages painted. Failed, with
// nothing printed, when the printer cannot start, as when a PDF file cannot
// be written.
WorksheetOutcome printWorksheet(QPrinter &printer, const WorksheetContent &content,
                                const WorksheetProgress &progress = {});

// A printer of the worksheet's A4 pages, on paper or into a PDF file.
void prepareWorksheetPrinter(QPrinter &printer);

// The worksheet as a PDF file, with no printer needed: written aside, then
// saved whole, so that a sheet cancelled or failed writes nothing.
WorksheetOutcome saveWorksheetAsPdf(const QString &path, const WorksheetContent &content,
                                    const WorksheetProgress &progress = {});
