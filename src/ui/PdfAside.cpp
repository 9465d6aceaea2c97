// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PdfAside.h"

#include "WholeFile.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

WorksheetOutcome savePdfAside(const QString &path, const std::function<WorksheetOutcome(QPrinter &)> &print)
{
    const QTemporaryDir aside;
    if (!aside.isValid())
        return {WorksheetOutcome::Failed, aside.errorString()};
    QPrinter printer(QPrinter::HighResolution);
    prepareWorksheetPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(aside.filePath(QStringLiteral("worksheet.pdf")));
    const WorksheetOutcome printed = print(printer);
    if (printed.result == WorksheetOutcome::Cancelled)
        return printed;
    // A printer that could not start left no file to open.
    QFile pdf(printer.outputFileName());
    if (!pdf.open(QIODevice::ReadOnly))
        return {WorksheetOutcome::Failed, pdf.errorString()};
    if (const std::optional<QString> failure = saveWholeFile(path, pdf.readAll()))
        return {WorksheetOutcome::Failed, *failure};
    return {};
}
