// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Worksheet.h"

#include "MemoryKeptWhilePrinting.h"
#include "PairShaper.h"
#include "PdfAside.h"
#include "WorksheetPages.h"

#include <QPainter>
#include <QPrinter>

WorksheetOutcome printWorksheet(QPrinter &printer, const WorksheetContent &content, const WorksheetProgress &progress)
{
    const MemoryKeptWhilePrinting memory;
    // Laid out whole before the printer starts: a sheet cancelled by then
    // sends it nothing.
    const PairShaper shaper(content.font, &printer);
    WorksheetPages sheet(printer, content, shaper, progress);
    if (!sheet.layOut())
        return {WorksheetOutcome::Cancelled};
    QPainter painter;
    if (!painter.begin(&printer))
        return {WorksheetOutcome::Failed};
    for (int page = 0; page < sheet.pageCount(); ++page) {
        if (page > 0 && !printer.newPage())
            return {WorksheetOutcome::Failed};
        if (!sheet.paintPage(painter, page)) {
            // What a printer has been sent Qt 6.4 cannot take back (abort()
            // does nothing with CUPS or Windows' printers): it is sent no
            // more pages. A PDF file is only written aside.
            printer.abort();
            return {WorksheetOutcome::Cancelled};
        }
    }
    if (!painter.end())
        return {WorksheetOutcome::Failed};
    sheet.done();
    return {};
}

void prepareWorksheetPrinter(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Zarvelon"));
}

WorksheetOutcome saveWorksheetAsPdf(const QString &path, const WorksheetContent &content,
                                    const WorksheetProgress &progress)
{
    return savePdfAside(path, [&](QPrinter &printer) { return printWorksheet(printer, content, progress); });
}
