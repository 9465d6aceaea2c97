// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "Canvas.h"
#include "FittingTextDelegate.h"
#include "HelpWindow.h"
#include "MenuBarKeyboard.h"
#include "ReportView.h"
#include "ScrollTogether.h"
#include "TaskDescription.h"
#include "VertexSelectionModel.h"
#include "WholeFile.h"
#include "Worksheet.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>

namespace {

const QColor Lavender(192, 192, 255);
const QColor LabelFace(255, 192, 128);

// Where a command is offered besides its button.
enum class Offered {
    MenuBar,    // as an item of the menu bar (laid out in the .ui)
    ListMenu,   // in the context menu of the vertex lists
    ReportMenu, // in the context menu of the report, after the box's own items
    Shortcut,   // by its shortcut alone, anywhere in the window
};

// A plain background colour is washed out by the style's button gradient; a
// style sheet with a border shows it as it is, with an edge that sinks when
// pressed.
QString buttonStyle(const QColor &face)
{
    return QStringLiteral("QPushButton { background-color: %1; color: palette(button-text);"
                          " border: 2px outset %2; }"
                          " QPushButton:pressed { border-style: inset; }"
                          " QPushButton:focus { border-color: %3; }")
        .arg(face.name(), face.darker(150).name(), face.darker(250).name());
}

// Where vertex lines came from, as a message names it.
struct LinesSource {
    QString heading;     // the message's first line, if any
    QString holder;      // "В буфера"
    QString nothingDone; // what stays as it was
};

constexpr int LongestQuotedLine = 40;

// A line of the user's text as a message quotes it: its tabs as blanks, a
// long one cut short.
QString quoted(const VertexLinesVerdict &verdict)
{
    QString text = verdict.lineText.trimmed().replace(u'\t', u' ');
    if (text.size() > LongestQuotedLine)
        text = text.left(LongestQuotedLine - 1) + u'…';
    return QStringLiteral("ред %1 („%2“)").arg(verdict.lineNumber).arg(text);
}

// Why vertex lines were not placed, in words; `present` vertices were on
// the board, whose canvas is `area`.
QString wordsFor(const VertexLinesVerdict &verdict, const LinesSource &source, int present, const QRect &area)
{
    const QString form = QStringLiteral("Всеки ред трябва да съдържа две цели числа, X и Y, разделени с "
                                        "табулация, интервали или точка и запетая.");
    QString words;
    switch (verdict.outcome) {
    case VertexLinesVerdict::Placed: return {};
    case VertexLinesVerdict::BoardClosed:
        words = QStringLiteral("Лицето вече е изчислено и дъската е затворена. За да поставите нови върхове, "
                               "изберете връх в списъците, изтрийте връх или изчистете всичко.");
        break;
    case VertexLinesVerdict::NoVertices:
        words = QStringLiteral("%1 няма върхове за поставяне.\n%2").arg(source.holder, form);
        break;
    case VertexLinesVerdict::NotAVertex:
        words = QStringLiteral("Не е връх: %1.\n%2\n%3").arg(quoted(verdict), form, source.nothingDone);
        break;
    case VertexLinesVerdict::OffCanvas:
        words = QStringLiteral("Точката е извън платното: %1. X може да е от %2 до %3, а Y от %4 до %5.\n%6")
                    .arg(quoted(verdict))
                    .arg(area.left()).arg(area.right()).arg(area.top()).arg(area.bottom())
                    .arg(source.nothingDone);
        break;
    case VertexLinesVerdict::NoRoom:
        words = QStringLiteral("Няма място за толкова върхове: от %1 нататък. Дъската побира най-много %2")
                    .arg(quoted(verdict))
                    .arg(VertexModel::MaxVertices)
                + (present > 0 ? QStringLiteral(", а в нея вече има %1.").arg(present) : QStringLiteral("."))
                + u'\n' + source.nothingDone;
        break;
    }
    return source.heading.isEmpty() ? words : source.heading + u'\n' + words;
}

LinesSource fileSource(const QString &path)
{
    return {QStringLiteral("Върховете от „%1“ не са отворени.").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Във файла"), QStringLiteral("Дъската е непроменена.")};
}

} // namespace

// One command of the window: its action (caption and shortcut, in the
// .ui), its button and the button's colour where it has one, where else it
// is offered, and what runs it.
struct MainWindow::Command {
    QAction *Ui::MainWindow::*action;
    QPushButton *Ui::MainWindow::*button;
    QColor face;
    Offered offered;
    void (MainWindow::*run)();
};

const MainWindow::Command MainWindow::Commands[] = {
    {&Ui::MainWindow::orderContourAction, &Ui::MainWindow::contourButton, QColor(255, 128, 0), Offered::MenuBar,
     &MainWindow::orderContour},
    {&Ui::MainWindow::connectInOrderAction, &Ui::MainWindow::inOrderButton, QColor(0, 255, 0), Offered::MenuBar,
     &MainWindow::connectInOrder},
    {&Ui::MainWindow::clearAllAction, &Ui::MainWindow::clearButton, QColor(255, 0, 0), Offered::MenuBar,
     &MainWindow::clearAll},
    {&Ui::MainWindow::deleteVertexAction, &Ui::MainWindow::deleteButton, QColor(255, 0, 255), Offered::MenuBar,
     &MainWindow::deleteVertex},
    {&Ui::MainWindow::copyVerticesAction, nullptr, {}, Offered::ListMenu, &MainWindow::copyVertices},
    {&Ui::MainWindow::saveVerticesAction, nullptr, {}, Offered::ListMenu, &MainWindow::saveVertices},
    {&Ui::MainWindow::openVerticesAction, nullptr, {}, Offered::ListMenu, &MainWindow::openVertices},
    {&Ui::MainWindow::saveReportAction, nullptr, {}, Offered::ReportMenu, &MainWindow::saveReport},
    {&Ui::MainWindow::printAction, nullptr, {}, Offered::ReportMenu, &MainWindow::printReport},
    {&Ui::MainWindow::savePdfAction, nullptr, {}, Offered::ReportMenu, &MainWindow::saveWorksheetPdf},
    {&Ui::MainWindow::undoAction, nullptr, {}, Offered::Shortcut, &MainWindow::undo},
    {&Ui::MainWindow::redoAction, nullptr, {}, Offered::Shortcut, &MainWindow::redo},
    {&Ui::MainWindow::helpAction, nullptr, {}, Offered::Shortcut, &MainWindow::showHelp},
    {&Ui::MainWindow::contextMenuAction, nullptr, {}, Offered::Shortcut, &MainWindow::openContextMenu},
};

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::MainWindow>())
{
    // The window is laid out for Times New Roman. Where it is missing (Wine,
    // Qt's own font folder), Liberation Serif, of the same widths, stands in.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    m_ui->setupUi(this);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zarvelon-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    paintColours();
    showVertexViews();

    m_controller = std::make_unique<BoardController>(m_vertices, *m_ui->canvas, *m_ui->report);
    connectCommands();
    connect(m_ui->canvas, &Canvas::pressed, m_controller.get(), &BoardController::placeVertex);
    connect(m_ui->canvas, &Canvas::pasteRequested, this, &MainWindow::pasteVertices);
    connect(m_ui->canvas, &Canvas::fileDropped, this, &MainWindow::openVertexFile);
    connect(m_ui->canvas, &Canvas::textDropped, this, [this](const QString &text) {
        placeVertexText(text, TextOrigin::Drop);
    });
    connect(m_controller.get(), &BoardController::vertexLimitReached, this, &MainWindow::showVertexLimit);
    new MenuBarKeyboard(m_ui->menuBar);

    m_ui->report->setText(taskDescription());
    m_ui->report->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

QList<MainWindow::CommandControls> MainWindow::commands() const
{
    QList<CommandControls> controls;
    for (const Command &command : Commands)
        controls.append({m_ui.get()->*command.action, command.button ? m_ui.get()->*command.button : nullptr,
                         command.face});
    return controls;
}

// Every command runs through its one action, whichever way it is given.
void MainWindow::connectCommands()
{
    const QList<QWidget *> lists{m_ui->xList, m_ui->yList, m_ui->numberList};
    for (const Command &command : Commands) {
        QAction *action = m_ui.get()->*command.action;
        connect(action, &QAction::triggered, this, command.run);
        if (command.button)
            connect(m_ui.get()->*command.button, &QPushButton::clicked, action, &QAction::trigger);
        // In a context menu or not, the shortcut works anywhere in the window.
        switch (command.offered) {
        case Offered::MenuBar: break;
        case Offered::ListMenu: for (QWidget *list : lists) list->addAction(action); break;
        case Offered::ReportMenu: m_ui->report->addAction(action); break;
        case Offered::Shortcut: addAction(action); break;
        }
    }
    for (QWidget *list : lists)
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Both the Windows and the Unix habit for redo.
    m_ui->redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QUndoStack &history = m_controller->history();
    m_ui->undoAction->setEnabled(false);
    m_ui->redoAction->setEnabled(false);
    connect(&history, &QUndoStack::canUndoChanged, m_ui->undoAction, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, m_ui->redoAction, &QAction::setEnabled);
}

// The three lists show the X, Y and number columns of the board, share its
// one selected vertex, and scroll together.
void MainWindow::showVertexViews()
{
    const std::pair<QListView *, VertexModel::Column> lists[] = {
        {m_ui->xList, VertexModel::XColumn},
        {m_ui->yList, VertexModel::YColumn},
        {m_ui->numberList, VertexModel::NumberColumn},
    };
    for (const auto &[list, column] : lists) {
        list->setModel(&m_vertices);
        list->setModelColumn(column);
        list->setItemDelegate(new FittingTextDelegate(list));
        QItemSelectionModel *own = list->selectionModel();
        list->setSelectionModel(new VertexSelectionModel(&m_vertices, column, list));
        delete own;
        // Delete on a list deletes its picked vertex, as "Трий 1т" does.
        auto *deleteKey = new QShortcut(QKeySequence::Delete, list, nullptr, nullptr, Qt::WidgetShortcut);
        connect(deleteKey, &QShortcut::activated, m_ui->deleteVertexAction, &QAction::trigger);
    }
    scrollTogether({m_ui->xList, m_ui->yList, m_ui->numberList});
}

void MainWindow::paintColours()
{
    QPalette background = centralWidget()->palette();
    background.setColor(QPalette::Window, Lavender);
    centralWidget()->setPalette(background);

    const QString labelStyle = QStringLiteral("background-color: %1;").arg(LabelFace.name());
    for (QLabel *label : {m_ui->titleLabel, m_ui->numberLabel, m_ui->xLabel, m_ui->yLabel})
        label->setStyleSheet(labelStyle);
    for (const Command &command : Commands)
        if (command.button)
            (m_ui.get()->*command.button)->setStyleSheet(buttonStyle(command.face));
}

void MainWindow::orderContour() { m_controller->orderContour(); }
void MainWindow::connectInOrder() { m_controller->connectInOrder(); }
void MainWindow::clearAll() { m_controller->clearAll(); }
void MainWindow::deleteVertex() { m_controller->deleteSelected(); }
void MainWindow::undo() { m_controller->history().undo(); }
void MainWindow::redo() { m_controller->history().redo(); }

void MainWindow::copyVertices()
{
    if (m_vertices.vertexCount() > 0)
        QGuiApplication::clipboard()->setText(m_vertices.vertexLines());
}

void MainWindow::saveVertices()
{
    const QString path = askFileName(QStringLiteral("Запиши върховете като"), QStringLiteral("върхове.txt"), true);
    if (path.isEmpty())
        return;
    if (const auto failure = saveWholeFile(path, m_vertices.vertexLines(u"\r\n").toUtf8()))
        warn(QStringLiteral("Върховете не бяха записани в „%1“: %2.\nДъската е непроменена.")
                 .arg(QDir::toNativeSeparators(path), *failure));
}

void MainWindow::openVertices()
{
    const QString path = askFileName(QStringLiteral("Отвори върхове"), QString(), false);
    if (!path.isEmpty())
        openVertexFile(path);
}

void MainWindow::openVertexFile(const QString &path)
{
    const TextFileReading file = readTextFile(path);
    const LinesSource source = fileSource(path);
    switch (file.outcome) {
    case TextFileReading::Read: break;
    case TextFileReading::Unreadable:
        warn(QStringLiteral("%1\nФайлът не може да бъде прочетен: %2.").arg(source.heading, file.reason));
        return;
    case TextFileReading::TooLarge:
        warn(QStringLiteral("%1\nФайлът е по-голям от %2 MB: не е файл с върхове.")
                 .arg(source.heading).arg(LargestTextFile >> 20));
        return;
    }
    const VertexLinesVerdict verdict = m_controller->openVertexLines(file.text);
    if (verdict.outcome != VertexLinesVerdict::Placed)
        warn(wordsFor(verdict, source, 0, m_ui->canvas->area()));
}

void MainWindow::pasteVertices()
{
    placeVertexText(QGuiApplication::clipboard()->text(), TextOrigin::Clipboard);
}

void MainWindow::placeVertexText(const QString &text, TextOrigin origin)
{
    const int present = m_vertices.vertexCount();
    const VertexLinesVerdict verdict = m_controller->placeVertexLines(text);
    const LinesSource source{{}, origin == TextOrigin::Clipboard ? QStringLiteral("В буфера")
                                                                 : QStringLiteral("В пуснатия текст"),
                             QStringLiteral("Не е поставен нито един връх.")};
    if (verdict.outcome != VertexLinesVerdict::Placed)
        warn(wordsFor(verdict, source, present, m_ui->canvas->area()));
}

void MainWindow::saveReport()
{
    const QString path = askFileName(QStringLiteral("Запиши отчета като"), QStringLiteral("отчет.txt"), true);
    if (path.isEmpty())
        return;
    if (const auto failure = saveWholeFile(path, m_ui->report->text().toUtf8()))
        warn(QStringLiteral("Отчетът не беше записан в „%1“: %2.\nОтчетът е непроменен в прозореца.")
                 .arg(QDir::toNativeSeparators(path), *failure));
}

WorksheetContent MainWindow::worksheet() const
{
    return {m_ui->canvas->picture().image(), m_vertices.points(), m_ui->report->text(), m_ui->report->font(),
            QDate::currentDate()};
}

// Without a printer the system's dialog would show nothing, or nothing of
// use: the PDF is offered instead.
void MainWindow::printReport()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox ask(QMessageBox::Question, windowTitle(),
                        QStringLiteral("Няма инсталиран принтер.\nЛистът може да бъде записан като PDF файл, "
                                       "който да се отпечата от друг компютър."),
                        QMessageBox::Save | QMessageBox::Cancel, this);
        ask.button(QMessageBox::Save)->setText(QStringLiteral("Запиши като PDF..."));
        ask.button(QMessageBox::Cancel)->setText(QStringLiteral("Отказ"));
        if (ask.exec() == QMessageBox::Save)
            saveWorksheetPdf();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    prepareWorksheetPrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печат на рисунката и отчета"));
    if (dialog.exec() == QDialog::Accepted && !printWorksheet(printer, worksheet()))
        warn(QStringLiteral("Листът не беше отпечатан: принтерът „%1“ не може да започне.").arg(printer.printerName()));
}

void MainWindow::saveWorksheetPdf()
{
    const QString path = askFileName(QStringLiteral("Запиши листа като PDF"), QStringLiteral("лист.pdf"), true);
    if (path.isEmpty())
        return;
    if (const auto failure = saveWorksheetAsPdf(path, worksheet()))
        warn(QStringLiteral("Листът не беше записан в „%1“: %2.").arg(QDir::toNativeSeparators(path), *failure));
}

void MainWindow::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

// Shift+F10 opens the focused control's context menu, as the Menu key does.
void MainWindow::openContextMenu()
{
    QWidget *focused = focusWidget();
    if (!focused)
        return;
    const QPoint at = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
    QCoreApplication::sendEvent(focused, &event);
}

// The file dialogs start in the folder last used, also after a restart.
// The kind of file is the suggested name's: text, unless it is a PDF.
QString MainWindow::askFileName(const QString &caption, const QString &name, bool saving)
{
    QSettings settings;
    const QString lastFolder = QStringLiteral("lastFolder");
    const QString folder =
        settings.value(lastFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toString();
    const bool pdf = name.endsWith(QLatin1String(".pdf"));
    QFileDialog dialog(this, caption, QDir(folder).filePath(name),
                       pdf ? QStringLiteral("PDF файлове (*.pdf)")
                           : QStringLiteral("Текстови файлове (*.txt);;Всички файлове (*)"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving)
        dialog.setDefaultSuffix(pdf ? QStringLiteral("pdf") : QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    settings.setValue(lastFolder, QFileInfo(path).absolutePath());
    return path;
}

void MainWindow::showVertexLimit()
{
    warn(QStringLiteral("Дъската вече съдържа най-много върхове: %1.\n"
                        "Изтрийте точка или изчистете всичко, за да добавите нова.")
             .arg(VertexModel::MaxVertices));
}

void MainWindow::warn(const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    // The user's own text stays text: a quoted line is never read as markup.
    box->setTextFormat(Qt::PlainText);
    // In Bulgarian also where Qt's own catalogue is not installed.
    box->button(QMessageBox::Ok)->setText(QStringLiteral("Добре"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
