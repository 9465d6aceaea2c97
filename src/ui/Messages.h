// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Placement.h"
#include "Point.h"
#include "VertexModel.h"

#include <QRect>
#include <QString>

class Board;
struct FanTriangle;

// The words of every message, dialog caption and file kind the window shows:
// plain functions of what happened, in Bulgarian. Here the main window's
// and the files'; the words of printing and of each window of its own are
// in a header of their own subject (SheetMessages.h, PresentationMessages.h,
// PracticeMessages.h), in the same namespace.
namespace Messages {

// Where vertices came from, as a message names it.
enum class Source { Press, Clipboard, Drop, File };

// Why vertices were not placed; `file` names the file they came from, if
// any; `present` vertices were on the board, whose canvas is `area`. Empty
// when nothing need be said: all placed, or a press on a closed board,
// which takes nothing without a word.
QString notPlaced(const Placement &placement, Source source, const QRect &area, int present = 0,
                  const QString &file = {});

// The documents the window saves and opens; the worksheet is the teacher's,
// with the report, and the pupil's, with blanks in its place.
// The class set is the pupils' sheets of numbered tasks with their answers.
enum class Document { Vertices, Report, Worksheet, PupilWorksheet, Picture, ClassSet };

struct FileKind {
    QString saveCaption;
    QString openCaption;
    QString suggestedName;
    QString filter;
    QString suffix;
};
FileKind fileKind(Document document);

// A document not saved, with the system's reason.
QString notSaved(Document document, const QString &path, const QString &reason);
// A file of vertices that could not be read, with the system's reason, or
// that is larger than any board's.
QString unreadable(const QString &path, const QString &reason);
QString tooLarge(const QString &path, qint64 largestBytes);
// A named pipe, a device or a folder, or a file that is not text.
QString notAFile(const QString &path);
QString notText(const QString &path);
// Saving the vertices of an empty board.
QString nothingToSave();

// Hints over the canvas where a press or a command did nothing: a press on
// a closed board; "Трий 1т" with no vertex picked, on a board of
// `vertices`. And the faint line over an empty board.
QString boardClosed();
QString nothingPicked(int vertices);
QString whereMoreIs();

// A vertex's coordinate, of the X or the Y column, typed anew that is not a
// whole number on the canvas of `area`.
QString notMoved(VertexModel::Column column, const QRect &area);

// Buttons of the program's own message boxes, in Bulgarian also where Qt's
// catalogue is not installed.
QString ok();
QString cancel();

QString helpCaption();
QString workingCaption();

// The report box's own items of its context menu.
QString copyCaption();
QString selectAllCaption();

// Over the report box while it describes the rows before a change, and what
// a screen reader says of it then.
QString reportOutOfDate();
QString reportOutOfDateDescription();

// What a screen reader says of the canvas: how many vertices it holds, the
// picked one, the one taken to be moved, and once the polygon is computed,
// its total and the report's warning, if any.
QString canvasDescription(const Board &board);

// A triangle of the fan under the pointer: its vertices and its two areas,
// as the report gives them.
QString triangleAreas(const FanTriangle &triangle);
// A place that `count` of the fan's triangles cover, each adding it to the
// total.
QString overlapping(int count);

// The coordinates of a pixel of the canvas, as the canvas shows them beside
// the pointer and the crosshair.
QString pixelCoordinates(QPoint pixel);

// A vertex's number and its coordinates, in the report's number form, as
// the presentation and the practice list them.
QString vertexWithCoordinates(int number, Point p);

} // namespace Messages
