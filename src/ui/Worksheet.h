// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QDate>
#include <QFont>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

class QPrinter;

// What goes on the pupil's worksheet.
struct WorksheetContent {
    QImage picture;              // the canvas's picture, at its device pixel ratio
    std::vector<Point> vertices; // in canvas pixels, in row order: row r is vertex r + 1
    QString report;              // the report box's text, every line ended by CR LF
    QFont font;                  // the window's font
    QDate date;                  // the day, printed in the user's short date form
};

// Prints the worksheet. The first page starts with a heading of the theme
// and the date and a line for the pupil's name and class; then comes the
// picture, framed, at its size on a screen of 96 dots per inch, with each
// vertex's number beside its dot when the board has at most 60 vertices
// (the numbers are on paper only); then the report, in `font`, wrapped to
// the page. A paragraph of the report (the lines up to an empty line, such
// as a triangle's three lines) stays on one page when it fits on one. Every
// page ends with "стр. N от M".
//
// False, with nothing printed, when the printer cannot start, as when a PDF
// file cannot be written.
bool printWorksheet(QPrinter &printer, const WorksheetContent &content);

// A printer of the worksheet's A4 pages, on paper or into a PDF file.
void prepareWorksheetPrinter(QPrinter &printer);

// The worksheet as a PDF file, with no printer needed: written aside, then
// saved whole. Returns why it failed, or nothing.
std::optional<QString> saveWorksheetAsPdf(const QString &path, const WorksheetContent &content);
