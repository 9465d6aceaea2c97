// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Documents.h"

#include "Board.h"
#include "FigurePainter.h"
#include "Warning.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

using Messages::Document;

namespace {

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

Documents::Documents(Board &board, QWidget *window)
    : m_board(board), m_window(window), m_files(window)
{
}

void Documents::saveAs(Document document)
{
    if (document == Document::Vertices && m_board.vertices().vertexCount() == 0) {
        showWarning(m_window, Messages::nothingToSave());
        return;
    }
    const QString path = m_files.fileToSave(document);
    if (!path.isEmpty())
        save(document, path);
}

bool Documents::save(Document document, const QString &path)
{
    if (document == Document::Vertices && m_board.vertices().vertexCount() == 0) {
        showWarning(m_window, Messages::nothingToSave());
        return false;
    }
    std::optional<QString> failure;
    switch (document) {
    case Document::Vertices: failure = saveWholeFile(path, m_board.vertices().vertexLines(u"\r\n").toUtf8()); break;
    case Document::Report: failure = saveWholeFile(path, m_board.report().toUtf8()); break;
    case Document::Worksheet: failure = saveWorksheetAsPdf(path, worksheet()); break;
    case Document::Picture: failure = saveWholeFile(path, pngOf(picture(PrintedRatio).image())); break;
    }
    if (failure)
        showWarning(m_window, Messages::notSaved(document, path, *failure));
    return !failure;
}

void Documents::openVertices()
{
    const QString path = m_files.fileToOpen(Document::Vertices);
    if (!path.isEmpty())
        openVertexFile(path);
}

void Documents::openVertexFile(const QString &path)
{
    const TextFileReading file = readTextFile(path);
    switch (file.outcome) {
    case TextFileReading::Read: break;
    case TextFileReading::Unreadable: showWarning(m_window, Messages::unreadable(path, file.reason)); return;
    case TextFileReading::TooLarge: showWarning(m_window, Messages::tooLarge(path, LargestTextFile)); return;
    case TextFileReading::NotAFile: showWarning(m_window, Messages::notAFile(path)); return;
    case TextFileReading::NotText: showWarning(m_window, Messages::notText(path)); return;
    }
    const Placement placement = m_board.openVertexLines(file.text);
    if (!placement.placed())
        showWarning(m_window, Messages::notPlaced(placement, Messages::Source::File, m_board.area(), 0, path));
}

// Without a printer the system's dialog would show nothing, or nothing of
// use: the PDF is offered instead.
void Documents::printWorksheet()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox ask(QMessageBox::Question, m_window->windowTitle(), Messages::noPrinter(),
                        QMessageBox::Save | QMessageBox::Cancel, m_window);
        ask.button(QMessageBox::Save)->setText(Messages::savePdfInstead());
        ask.button(QMessageBox::Cancel)->setText(Messages::cancel());
        if (ask.exec() == QMessageBox::Save)
            saveAs(Document::Worksheet);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    prepareWorksheetPrinter(printer);
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(Messages::printDialogCaption());
    if (dialog.exec() == QDialog::Accepted && !::printWorksheet(printer, worksheet()))
        showWarning(m_window, Messages::printerFailed(printer.printerName()));
}

WorksheetContent Documents::worksheet() const
{
    return {picture(m_window->devicePixelRatioF()).image(), m_board.points(), m_board.report(), m_window->font(),
            QDate::currentDate()};
}

Picture Documents::picture(qreal ratio) const
{
    Picture picture(m_board.area().size(), ratio);
    FigurePainter(picture).drawFigure(m_board.figure(), m_board.points());
    return picture;
}
