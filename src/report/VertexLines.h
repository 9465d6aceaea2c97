// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Point.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// Vertices as lines of text, one vertex a line: X, a tab, Y. The vertex
// lists copy a board out in this form and the canvas takes one in, so that
// the same polygon can be shown twice, prepared in an editor or a
// spreadsheet (which reads the lines as two columns).

// Appends one vertex's line, its coordinate texts as they stand, ended by
// `lineEnd`.
void appendVertexLine(QString &lines, QStringView x, QStringView y, QStringView lineEnd);

// A line of a text, numbered from 1.
struct TextLine {
    int number = 0;
    QStringView text;
};

struct LineVertex {
    TextLine line;
    Point position;
};

// What a text holds as vertex lines: the vertices in the order of their
// lines, or the first line that is not a vertex. A vertex line holds two
// whole numbers, X then Y, with a tab, blanks or a semicolon (blanks around
// it allowed) between them; blank lines are passed over. Lines end with LF,
// CR LF or CR. The views point into the text read.
struct VertexLinesReading {
    std::vector<LineVertex> vertices;
    std::optional<TextLine> notAVertex;
};

VertexLinesReading readVertexLines(QStringView text);
