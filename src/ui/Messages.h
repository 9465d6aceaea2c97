// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Placement.h"
#include "PracticeCheck.h"
#include "VertexModel.h"

class Board;
struct FanTriangle;

#include "Point.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

// The words of every message, dialog caption and file kind the window shows,
// in one place: plain functions of what happened, in Bulgarian.
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

// Printing, and the worksheets.
QString whichSheet();
QString sheetName(Document sheet);
QString preparingSheet();
QString noPrinter();
QString savePdfInstead();
QString printDialogCaption();
QString printerFailed(const QString &printer);

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
// picked one, and once the polygon is computed, its total and the report's
// warning, if any.
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

// The presentation view: its caption, the keys it takes, and the text of
// each of its steps, line by line, the numbers in the report's forms.
QString presentationCaption();
QString presentationKeys();
// Step 0: the vertices with their coordinates, as many as `room` lines hold
// in `columns` columns, the rest counted; and which way Y grows.
QStringList verticesStep(const std::vector<Point> &vertices, int room, int columns);
// Before a computation, below the vertices: how to get the steps.
QString notComputed();
// Triangle `index` of `count`: its vertices and their coordinates, its
// sides, its two areas and the sum of |D| up to it, `runningTotal`.
QStringList triangleStep(const FanTriangle &triangle, int index, int count, double runningTotal);
// The last step: the report's total line and its warning, if any.
QStringList totalStep(const Board &board);

// The class set: how many sheets and of how many vertices, the progress,
// the mark on each sheet and the page before the answers.
QString classSetCaption();
QString classSetSheets();
QString classSetVertices();
QString variantMark(int variant);
QStringList answersPage(const std::vector<int> &variants);

// The practice window: its caption, buttons, labels and fixed sentences.
enum class PracticeText {
    Caption,
    Nothing,      // no polygon to practise
    BoardChanged, // the report no longer describes the polygon practised
    Again,
    Total,
    Check,
    Solve,
    NewTask,
    Variant,
    OpenVariant,
    ShowWorking,
    VertexCount,
};
QString practiceText(PracticeText text);
// Its heading: a numbered task's variant and vertices, or the polygon of
// the report.
QString practiceHeading(int variant, int vertices);
QString practiceVertices(const std::vector<Point> &vertices);
QString practiceRules();
QString practiceTooLarge(int most);
// A triangle's row, a field's column heading and what a screen reader
// names it by.
QString practiceTriangle(const FanTriangle &triangle, int index);
QString practiceColumn(Practice::Field field);
QString practiceFieldName(int index, Practice::Field field);
// The score after a check; once the answers are shown, it no longer counts.
QString practiceScore(int right, int fields, bool solutionShown);
QString practiceSolved();
// A field's verdict, in a screen reader's words and as a hint: the step of
// the working to look at. `field` is the triangle's field, or
// FieldsPerTriangle for the total.
QString practiceVerdict(const Practice::Verdict &verdict, const FanTriangle *triangle, Practice::Field field);
QString practiceHint(const Practice::Verdict &verdict, const FanTriangle *triangle, Practice::Field field);

} // namespace Messages
