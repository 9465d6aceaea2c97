// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "BoardPrint.h"
#include "Canvas.h"
#include "FittingTextDelegate.h"
#include "MenuBarKeyboard.h"
#include "ReportFile.h"
#include "ReportView.h"
#include "ScrollTogether.h"
#include "TaskDescription.h"
#include "VertexSelectionModel.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {

const QColor Lavender(192, 192, 255);
const QColor LabelFace(255, 192, 128);

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

} // namespace

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
    connectTransfers();
    connect(m_ui->canvas, &Canvas::pressed, m_controller.get(), &BoardController::placeVertex);
    connect(m_controller.get(), &BoardController::vertexLimitReached, this, &MainWindow::showVertexLimit);
    new MenuBarKeyboard(m_ui->menuBar);

    m_ui->report->setText(taskDescription());
    m_ui->report->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::action(Command command) const
{
    switch (command) {
    case Command::OrderAndReport: return m_ui->orderContourAction;
    case Command::ReportInOrder: return m_ui->connectInOrderAction;
    case Command::ClearBoard: return m_ui->clearAllAction;
    case Command::DeleteSelected: return m_ui->deleteVertexAction;
    }
    return nullptr;
}

// Each command's button and menu item trigger its one action.
void MainWindow::connectCommands()
{
    const std::pair<QPushButton *, Command> buttons[] = {
        {m_ui->contourButton, Command::OrderAndReport},
        {m_ui->inOrderButton, Command::ReportInOrder},
        {m_ui->clearButton, Command::ClearBoard},
        {m_ui->deleteButton, Command::DeleteSelected},
    };
    for (const auto &[button, command] : buttons) {
        QAction *commandAction = action(command);
        connect(button, &QPushButton::clicked, commandAction, &QAction::trigger);
        connect(commandAction, &QAction::triggered, m_controller.get(), [this, command = command] { m_controller->run(command); });
    }
}

// The vertices and the report out of the window, and vertices into it.
void MainWindow::connectTransfers()
{
    for (QListView *list : {m_ui->xList, m_ui->yList, m_ui->numberList}) {
        list->addAction(m_ui->copyVerticesAction);
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    connect(m_ui->copyVerticesAction, &QAction::triggered, this, &MainWindow::copyVertices);
    connect(m_ui->canvas, &Canvas::pasteRequested, this, &MainWindow::pasteVertices);
    // In the report box's context menu; their shortcuts work anywhere in the window.
    m_ui->report->addActions({m_ui->saveReportAction, m_ui->printAction});
    connect(m_ui->saveReportAction, &QAction::triggered, this, &MainWindow::saveReport);
    connect(m_ui->printAction, &QAction::triggered, this, &MainWindow::printReport);
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

    const std::pair<QPushButton *, QColor> buttons[] = {
        {m_ui->contourButton, QColor(255, 128, 0)},
        {m_ui->inOrderButton, QColor(0, 255, 0)},
        {m_ui->clearButton, QColor(255, 0, 0)},
        {m_ui->deleteButton, QColor(255, 0, 255)},
    };
    for (const auto &[button, face] : buttons)
        button->setStyleSheet(buttonStyle(face));
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
    // In Bulgarian also where Qt's own catalogue is not installed.
    box->button(QMessageBox::Ok)->setText(QStringLiteral("Добре"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::copyVertices()
{
    if (m_vertices.vertexCount() > 0)
        QGuiApplication::clipboard()->setText(m_vertices.vertexLines());
}

void MainWindow::pasteVertices()
{
    const QString problem = m_controller->placeVertexLines(QGuiApplication::clipboard()->text());
    if (!problem.isEmpty())
        warn(problem);
}

void MainWindow::saveReport()
{
    QFileDialog dialog(this, QStringLiteral("Запиши отчета като"),
                       QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                           .filePath(QStringLiteral("отчет.txt")),
                       QStringLiteral("Текстови файлове (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString problem = saveReportFile(dialog.selectedFiles().constFirst(), m_ui->report->text());
    if (!problem.isEmpty())
        warn(problem);
}

void MainWindow::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Zarvelon"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печат на рисунката и отчета"));
    if (dialog.exec() == QDialog::Accepted)
        printBoard(printer, m_ui->canvas->picture(), m_ui->report->text(), m_ui->report->font());
}
