// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Documents.h"

#include "AreaReport.h"
#include "Board.h"
#include "ContourWarning.h"
#include "FigurePainter.h"
#include "PracticeCheck.h"
#include "PupilsExercise.h"
#include "SheetMessages.h"
#include "TaskPolygon.h"
#include "Warning.h"
#include "WholeFile.h"
#include "WorksheetProgressDialog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>

#include <set>

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

// A question over the window, with these buttons in Bulgarian, the first
// the default; the button pressed.
QMessageBox::StandardButton ask(QWidget *window, const QString &question,
                                const QList<std::pair<QMessageBox::StandardButton, QString>> &buttons)
{
    QMessageBox box(QMessageBox::Question, window->windowTitle(), question, QMessageBox::NoButton, window);
    for (const auto &[button, text] : buttons)
        box.addButton(button)->setText(text);
    box.setDefaultButton(buttons.constFirst().first);
    return QMessageBox::StandardButton(box.exec());
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
    case Document::Picture: failure = saveWholeFile(path, pngOf(picture(PrintedRatio).image())); break;
    case Document::Worksheet:
    case Document::PupilWorksheet:
    case Document::ClassSet: {
        WorksheetProgressDialog progress(m_window);
        const WorksheetOutcome saved = document == Document::ClassSet
            ? saveClassSetAsPdf(path, chosenClassSet(), std::ref(progress))
            : saveWorksheetAsPdf(path, worksheet(document), std::ref(progress));
        if (saved.result == WorksheetOutcome::Cancelled)
            return false;
        if (saved.result == WorksheetOutcome::Failed)
            failure = saved.failure;
        break;
    }
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

void Documents::saveWorksheetAs()
{
    const std::optional<Document> sheet = chooseSheet();
    if (sheet && (*sheet != Document::ClassSet || askClassSet()))
        saveAs(*sheet);
}

// Without a printer the system's dialog would show nothing, or nothing of
// use: the PDF is offered instead.
void Documents::printWorksheet()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (ask(m_window, Messages::noPrinter(),
                {{QMessageBox::Save, Messages::savePdfInstead()}, {QMessageBox::Cancel, Messages::cancel()}})
            == QMessageBox::Save)
            saveWorksheetAs();
        return;
    }
    const std::optional<Document> sheet = chooseSheet();
    if (!sheet || (*sheet == Document::ClassSet && !askClassSet()))
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepareWorksheetPrinter(printer);
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(Messages::printDialogCaption());
    if (dialog.exec() != QDialog::Accepted)
        return;
    WorksheetProgressDialog progress(m_window);
    const WorksheetOutcome printed = *sheet == Document::ClassSet
        ? printClassSet(printer, chosenClassSet(), std::ref(progress))
        : ::printWorksheet(printer, worksheet(*sheet), std::ref(progress));
    if (printed.result == WorksheetOutcome::Failed)
        showWarning(m_window, Messages::printerFailed(printer.printerName()));
}

std::optional<Document> Documents::chooseSheet() const
{
    switch (ask(m_window, Messages::whichSheet(),
                {{QMessageBox::Yes, Messages::sheetName(Document::Worksheet)},
                 {QMessageBox::No, Messages::sheetName(Document::PupilWorksheet)},
                 {QMessageBox::NoToAll, Messages::sheetName(Document::ClassSet)},
                 {QMessageBox::Cancel, Messages::cancel()}})) {
    case QMessageBox::Yes: return Document::Worksheet;
    case QMessageBox::No: return Document::PupilWorksheet;
    case QMessageBox::NoToAll: return Document::ClassSet;
    default: return std::nullopt;
    }
}

WorksheetContent Documents::worksheet(Document sheet) const
{
    const std::shared_ptr<const std::vector<Point>> &reported = m_board.reportedVertices();
    const std::vector<Point> &vertices = reported ? *reported : m_board.points();
    // The polygon as the computing commands drew it, no vertex red.
    const DrawnFigure figure =
        reported ? DrawnFigure{DrawnFigure::Base::Fan, int(reported->size()), -1, nullptr} : m_board.figure();
    const QString text = sheet == Document::PupilWorksheet ? pupilsExercise(vertices) : m_board.report();
    return {m_board.area().size(), figure, vertices, text, m_sheetFont.value_or(m_window->font()), QDate::currentDate()};
}

Picture Documents::picture(qreal ratio) const
{
    Picture picture(m_board.area().size(), ratio);
    FigurePainter(picture).drawFigure(m_board.figure(), m_board.points());
    return picture;
}

// How many pupils' sheets, and of how many vertices: asked in one dialog,
// which remembers the last answers.
bool Documents::askClassSet()
{
    QDialog dialog(m_window);
    dialog.setWindowTitle(Messages::classSetCaption());
    auto *form = new QFormLayout(&dialog);
    auto *sheets = new QSpinBox(&dialog);
    sheets->setRange(1, MostClassSheets);
    sheets->setValue(m_classSheets);
    auto *vertices = new QSpinBox(&dialog);
    vertices->setRange(Task::FewestVertices, Task::MostVertices);
    vertices->setValue(m_classVertices);
    auto *teachers = new QCheckBox(Messages::classSetTeachersSheets(), &dialog);
    teachers->setChecked(m_classTeachers);
    form->addRow(Messages::classSetSheets(), sheets);
    form->addRow(Messages::classSetVertices(), vertices);
    form->addRow(teachers);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(Messages::ok());
    buttons->button(QDialogButtonBox::Cancel)->setText(Messages::cancel());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_classSheets = sheets->value();
    m_classVertices = vertices->value();
    m_classTeachers = teachers->isChecked();
    return true;
}

ClassSet Documents::chosenClassSet() const
{
    return classSet(classSetVariants(m_classSheets, m_classVertices), m_classTeachers);
}

std::uint64_t Documents::systemRandom()
{
    return QRandomGenerator::global()->generate64();
}

std::vector<int> Documents::classSetVariants(int sheets, int vertices, const RandomNumbers &random)
{
    std::vector<int> variants;
    std::set<int> chosen;
    while (int(variants.size()) < std::clamp(sheets, 0, MostClassSheets)) {
        const int variant = Task::variantWith(vertices, random());
        if (chosen.insert(variant).second)
            variants.push_back(variant);
    }
    return variants;
}

namespace {

// A variant's rows of the answers' table: each triangle's answers as the
// practice's solution writes them, then the total's.
std::vector<QStringList> answerRows(int variant, const Fan &fan)
{
    const Practice::Answers solution = Practice::solution(fan);
    std::vector<QStringList> rows;
    for (size_t i = 0; i < solution.triangles.size(); ++i) {
        QStringList cells{i == 0 ? QString::number(variant) : QString(), Messages::answersTriangle(fan.triangles[i])};
        for (const QString &answer : solution.triangles[i])
            cells << answer;
        rows.push_back(cells);
    }
    rows.push_back({QString(), Messages::answersTotal(), {}, {}, {}, {}, solution.total});
    return rows;
}

} // namespace

ClassSet Documents::classSet(const std::vector<int> &variants, bool teachersSheets) const
{
    ClassSet set;
    set.answers = {Messages::answersHeading(), Messages::answersNote(teachersSheets), Messages::answersColumns(), {}};
    const QSize canvas = m_board.area().size();
    const QFont font = m_sheetFont.value_or(m_window->font());
    const QDate today = QDate::currentDate();
    for (int variant : variants) {
        const std::vector<Point> vertices = m_board.taskVertices(variant);
        const DrawnFigure figure{DrawnFigure::Base::Fan, int(vertices.size()), -1, nullptr};
        const Fan fan = fanOf(vertices);
        set.pupils.push_back({canvas, figure, vertices, pupilsExercise(vertices), font, today,
                              Messages::variantMark(variant)});
        set.answers.variants.push_back(answerRows(variant, fan));
        if (teachersSheets)
            set.teachers.push_back({canvas, figure, vertices, areaReport(fan, nullptr, contourWarning(vertices)), font,
                                    today, Messages::variantMark(variant)});
    }
    return set;
}
