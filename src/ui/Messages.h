// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Placement.h"

#include <QRect>
#include <QString>

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
enum class Document { Vertices, Report, Worksheet, PupilWorksheet };

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

} // namespace Messages
