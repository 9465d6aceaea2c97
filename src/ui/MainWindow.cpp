// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "AccessibleReportView.h"
#include "ApplicationZoom.h"
#include "BoardRecovery.h"
#include "Canvas.h"
#include "CanvasHints.h"
#include "CoordinateDelegate.h"
#include "FittingTextDelegate.h"
#include "HelpWindow.h"
#include "LessonMarks.h"
#include "MenuBarKeyboard.h"
#include "PracticeWindow.h"
#include "PresentationWindow.h"
#include "RecoveryMessages.h"
#include "ReportView.h"
#include "ScrollTogether.h"
#include "TaskDescription.h"
#include "VertexColumnModel.h"
#include "VertexSelectionModel.h"
#include "ViewSettings.h"
#include "Warning.h"
#include "WindowZoom.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLayout>
#include <QShortcut>
#include <QTimer>

#include <utility>

namespace {

const QColor Lavender(192, 192, 255);
const QColor LabelFace(255, 192, 128);
const QColor Orange(255, 128, 0);
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);
const QColor Magenta(255, 0, 255);

// How the recovery file keeps a mark of the canvas's shown.
const QString Shown = QStringLiteral("shown");

QString shownOrHidden(bool shown)
{
    return shown ? Shown : QStringLiteral("hidden");
}

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

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zarvelon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::MainWindow>()),
      m_board(taskDescription()),
      m_documents(m_board, this)
{
    // The window is laid out for Times New Roman. Where it is missing (Wine,
    // Qt's own font folder), Liberation Serif, of the same widths, stands in.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    // Its style zooms: set before the controls are made, which take it.
    ApplicationZoom::instance();
    m_ui->setupUi(this);
    m_lesson = new LessonMarks(m_board, *m_ui->report, *m_ui->canvas, this);
    m_hints = new CanvasHints(m_board, *m_ui->canvas, this);
    AccessibleReportView::follow(m_ui->report);
    m_board.setArea(m_ui->canvas->area());
    m_canvasSwitches = {
        {m_ui->vertexNumbersAction, QStringLiteral("vertex-numbers"), &Canvas::setVertexNumbersShown,
         &ViewSettings::vertexNumbersShown, &ViewSettings::setVertexNumbersShown},
        {m_ui->gridAction, QStringLiteral("grid"), &Canvas::setGridShown, &ViewSettings::gridShown,
         &ViewSettings::setGridShown},
    };
    m_commands = commandTable();
    paintColours();
    showVertexViews();
    connectCommands();

    m_ui->canvas->follow(m_board);
    // A vertex on its way changes the report's numbers, not its lines: the
    // box keeps its place.
    const auto showReport = [this] {
        m_board.takenRow() >= 0 ? m_ui->report->followText(m_board.reportLines())
                                : m_ui->report->setText(m_board.reportLines());
    };
    connect(&m_board, &Board::reportChanged, this, showReport);
    showReport();
    m_ui->report->setTextBoxCaptions(Messages::copyCaption(), Messages::selectAllCaption());
    connect(&m_board, &Board::reportOutOfDateChanged, this, &MainWindow::markReportOutOfDate);
    for (auto changed : {&Board::reportChanged, &Board::figureChanged})
        connect(&m_board, changed, this, &MainWindow::describeCanvasLater);
    connect(&m_board, &Board::verticesPlaced, this, &MainWindow::describeCanvasLater);
    connect(&m_board, &Board::selectedRowChanged, this, &MainWindow::describeCanvasLater);
    connect(&m_board, &Board::takenRowChanged, this, &MainWindow::describeCanvasLater);
    connect(&m_board, &Board::vertexMoved, this, [this](int row) {
        describeCanvasLater();
        m_ui->numberList->scrollTo(m_ui->numberList->model()->index(row, 0));
    });
    describeCanvas();
    connect(m_ui->canvas, &Canvas::pressed, this, &MainWindow::placeVertex);
    connect(m_ui->canvas, &Canvas::vertexTaken, &m_board, &Board::takeVertex);
    connect(m_ui->canvas, &Canvas::takenMoved, &m_board, &Board::moveTaken);
    connect(m_ui->canvas, &Canvas::takenPutDown, &m_board, &Board::putDown);
    connect(m_ui->canvas, &Canvas::takenPutBack, &m_board, &Board::putBack);
    connect(m_ui->canvas, &Canvas::pasteRequested, this, [this] {
        placeVertexText(QGuiApplication::clipboard()->text(), Messages::Source::Clipboard);
    });
    connect(m_ui->canvas, &Canvas::textDropped, this, [this](const QString &text) {
        placeVertexText(text, Messages::Source::Drop);
    });
    connect(m_ui->canvas, &Canvas::fileDropped, this, &MainWindow::openVertexFile);
    new MenuBarKeyboard(m_ui->menuBar);
    m_ui->canvas->setCoordinatesText(&Messages::pixelCoordinates);
    for (const CanvasSwitch &mark : m_canvasSwitches) {
        mark.action->setChecked(mark.remembered());
        (m_ui->canvas->*mark.show)(mark.action->isChecked());
    }

    m_ui->report->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The sheets keep the window's font at 100 %; the canvas keeps its
    // pixels through every zoom. The practice is in the window's face, and
    // zooms with everything else the program opens.
    const QFont unzoomed = font();
    m_documents.setSheetFont(unzoomed);
    ApplicationZoom::instance().setFontOf("PracticeWindow", unzoomed);
    m_zoom = new WindowZoom(this);
    connect(m_zoom, &WindowZoom::zoomed, this, [this](int percent) {
        m_ui->canvas->setZoom(percent / 100.0);
        ApplicationZoom::instance().setPercent(percent);
    });
    connect(m_zoom, &WindowZoom::chosen, this, &ViewSettings::setZoomPercent);
    m_zoom->choose(ViewSettings::zoomPercent());
    ApplicationZoom::instance().setPercent(m_zoom->percent());
}

MainWindow::~MainWindow() = default;

// The icon's six pictures, up to 256 pixels, take a seventh of the start to
// decode, and a window system is sent them all: the window is shown first
// and takes its icon once the event loop turns, before anyone can see it.
void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!std::exchange(m_iconAsked, true))
        QTimer::singleShot(0, this, [this] { setWindowIcon(programIcon()); });
}

std::vector<MainWindow::Command> MainWindow::commandTable()
{
    using Messages::Document;
    Ui::MainWindow &ui = *m_ui;
    return {
        {ui.orderContourAction, ui.contourButton, Orange, MenuBar, std::bind(&Board::orderContour, &m_board)},
        {ui.connectInOrderAction, ui.inOrderButton, Green, MenuBar, std::bind(&Board::connectInOrder, &m_board)},
        {ui.clearAllAction, ui.clearButton, Red, MenuBar, std::bind(&Board::clearAll, &m_board)},
        {ui.deleteVertexAction, ui.deleteButton, Magenta, MenuBar, std::bind(&MainWindow::deleteVertex, this)},
        {ui.copyVerticesAction, nullptr, {}, ListMenu, std::bind(&MainWindow::copyVertices, this)},
        {ui.saveVerticesAction, nullptr, {}, ListMenu,
         std::bind(&Documents::saveAs, &m_documents, Document::Vertices)},
        {ui.openVerticesAction, nullptr, {}, ListMenu, std::bind(&Documents::openVertices, &m_documents)},
        {ui.showWorkingAction, nullptr, {}, ReportMenu, std::bind(&LessonMarks::showWorkingAtCaret, m_lesson)},
        {ui.saveReportAction, nullptr, {}, ReportMenu,
         std::bind(&Documents::saveAs, &m_documents, Document::Report)},
        {ui.printAction, nullptr, {}, ReportMenu, std::bind(&Documents::printWorksheet, &m_documents)},
        {ui.savePdfAction, nullptr, {}, ReportMenu, std::bind(&Documents::saveWorksheetAs, &m_documents)},
        {ui.presentationAction, nullptr, {}, CanvasMenu | ReportMenu | ListMenu,
         std::bind(&MainWindow::showPresentation, this)},
        {ui.practiceAction, nullptr, {}, CanvasMenu | ReportMenu, std::bind(&MainWindow::showPractice, this)},
        {ui.vertexNumbersAction, nullptr, {}, CanvasMenu, std::bind(&MainWindow::switchCanvasMark, this, ui.vertexNumbersAction)},
        {ui.gridAction, nullptr, {}, CanvasMenu, std::bind(&MainWindow::switchCanvasMark, this, ui.gridAction)},
        {ui.savePictureAction, nullptr, {}, ReportMenu | CanvasMenu,
         std::bind(&Documents::saveAs, &m_documents, Document::Picture)},
        {ui.undoAction, nullptr, {}, Shortcut, std::bind(&Board::undo, &m_board)},
        {ui.redoAction, nullptr, {}, Shortcut, std::bind(&Board::redo, &m_board)},
        {ui.zoomInAction, nullptr, {}, Shortcut, [this] { m_zoom->zoomIn(); }},
        {ui.zoomOutAction, nullptr, {}, Shortcut, [this] { m_zoom->zoomOut(); }},
        {ui.zoomResetAction, nullptr, {}, Shortcut, [this] { m_zoom->reset(); }},
        {ui.helpAction, nullptr, {}, Shortcut, std::bind(&MainWindow::showHelp, this)},
        {ui.contextMenuAction, nullptr, {}, Shortcut, std::bind(&MainWindow::openContextMenu, this)},
    };
}

// Every command runs through its one action, whichever way it is given.
void MainWindow::connectCommands()
{
    const QList<QWidget *> lists{m_ui->xList, m_ui->yList, m_ui->numberList};
    for (const Command &command : m_commands) {
        connect(command.action, &QAction::triggered, this, command.run);
        if (command.button)
            connect(command.button, &QPushButton::clicked, command.action, &QAction::trigger);
        // In a context menu or not, the shortcut works anywhere in the window.
        if (command.offered & ListMenu)
            for (QWidget *list : lists)
                list->addAction(command.action);
        if (command.offered & ReportMenu)
            m_ui->report->addAction(command.action);
        if (command.offered & CanvasMenu)
            m_ui->canvas->addAction(command.action);
        if (command.offered & Shortcut)
            addAction(command.action);
    }
    for (QWidget *list : lists)
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Ctrl with = as well as with +, which most keyboards give with Shift.
    m_ui->zoomInAction->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    // Both the Windows and the Unix habit for redo.
    m_ui->redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QUndoStack &history = m_board.history();
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
        auto *shown = new VertexColumnModel(m_board.model(), column, list);
        list->setModel(shown);
        if (column == VertexModel::NumberColumn) {
            list->setItemDelegate(new FittingTextDelegate(list));
        } else {
            // F2 or a double-click moves the vertex: its row and number stay.
            auto *coordinates = new CoordinateDelegate(list);
            list->setItemDelegate(coordinates);
            connect(coordinates, &CoordinateDelegate::edited, this, [this, column = column](const QModelIndex &index, const QString &text) {
                if (!m_board.moveVertex(index.row(), column, text).placed())
                    tell(Messages::notMoved(column, m_board.area()));
            });
        }
        QItemSelectionModel *own = list->selectionModel();
        list->setSelectionModel(new VertexSelectionModel(&m_board, shown, list));
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
    for (const Command &command : m_commands)
        if (command.button)
            command.button->setStyleSheet(buttonStyle(command.face));
}

// A press on a closed board places nothing, and a hint says what to do
// instead; a full board says why it takes no more.
void MainWindow::placeVertex(QPoint position)
{
    const Placement placement = m_board.placeVertex(position);
    if (placement.outcome == Placement::BoardClosed)
        m_hints->hint(Messages::boardClosed());
    else
        tell(Messages::notPlaced(placement, Messages::Source::Press, m_board.area()));
}

void MainWindow::deleteVertex()
{
    if (!m_board.deleteSelected())
        m_hints->hint(Messages::nothingPicked(m_board.vertices().vertexCount()));
}

void MainWindow::placeVertexText(const QString &text, Messages::Source source)
{
    const int present = m_board.vertices().vertexCount();
    tell(Messages::notPlaced(m_board.placeVertexLines(text), source, m_board.area(), present));
}

// A screen reader hears what the canvas holds as it changes, once the event
// loop turns: a burst of presses or a paste is described once, not once a
// vertex.
void MainWindow::describeCanvasLater()
{
    if (std::exchange(m_canvasDescribed, false))
        QMetaObject::invokeMethod(this, &MainWindow::describeCanvas, Qt::QueuedConnection);
}

void MainWindow::describeCanvas()
{
    m_canvasDescribed = true;
    m_ui->canvas->setAccessibleDescription(Messages::canvasDescription(m_board));
}

void MainWindow::tell(const QString &why)
{
    if (!why.isEmpty())
        showWarning(this, why);
}

void MainWindow::copyVertices()
{
    if (m_board.vertices().vertexCount() > 0)
        QGuiApplication::clipboard()->setText(m_board.vertices().vertexLines());
}

void MainWindow::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void MainWindow::showPresentation()
{
    if (!m_presentation)
        m_presentation = new PresentationWindow(m_board, this);
    m_presentation->present();
}

void MainWindow::showPractice()
{
    if (!m_practice)
        m_practice = new PracticeWindow(m_board, this);
    m_practice->open();
}

// As its action now says: shown or not, remembered, kept for recovery.
void MainWindow::switchCanvasMark(QAction *action)
{
    for (const CanvasSwitch &mark : m_canvasSwitches)
        if (mark.action == action) {
            (m_ui->canvas->*mark.show)(action->isChecked());
            mark.remember(action->isChecked());
            if (m_recovery)
                m_recovery->setMark(mark.keptAs, shownOrHidden(action->isChecked()));
        }
}

void MainWindow::keepForRecovery(const QString &folder, bool restore)
{
    m_recovery = std::make_unique<BoardRecovery>(m_board, folder);
    connect(m_recovery.get(), &BoardRecovery::keepingFailed, this, [this](const QString &folder, const QString &reason) {
        m_hints->hint(Messages::notKept(folder, reason), 3 * CanvasHints::HintMilliseconds);
    });
    for (const CanvasSwitch &mark : m_canvasSwitches)
        m_recovery->setMark(mark.keptAs, shownOrHidden(mark.action->isChecked()));
    const BoardRecovery::Restoring restored = restore ? m_recovery->restore() : BoardRecovery::Restoring();
    switch (restored.outcome) {
    case BoardRecovery::Restoring::Nothing: break;
    case BoardRecovery::Restoring::Restored:
        for (const CanvasSwitch &mark : m_canvasSwitches)
            if (const auto kept = restored.marks.find(mark.keptAs); kept != restored.marks.end()) {
                mark.action->setChecked(kept->second == Shown);
                switchCanvasMark(mark.action);
            }
        m_hints->notice(Messages::boardRestored(m_board.reportedVertices() != nullptr));
        break;
    case BoardRecovery::Restoring::Unreadable:
    case BoardRecovery::Restoring::Refused: tell(Messages::notRestored(restored)); break;
    }
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

// Over the report, not in it: what is copied and saved stays the report.
void MainWindow::markReportOutOfDate(bool outOfDate)
{
    m_ui->report->setNotice(outOfDate ? Messages::reportOutOfDate() : QString());
    m_ui->report->setAccessibleDescription(outOfDate ? Messages::reportOutOfDateDescription() : QString());
}
