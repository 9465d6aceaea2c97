// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the program's commands on the real window (offscreen platform):
// vertex entry by mouse events, "Контур" by its button (reset, order,
// compute, replot, with the report set into the real report box and the
// window repainted; on random boards, and on a convex one that the order
// walks round), the report's text alone, selection by a click on a list
// row, and deletion; and
// what leaves the window and comes in: the picture and every vertex copied,
// the vertices pasted back, the report saved, both worksheets printed; the
// working of a triangle opened; the report box's own part in "Контур",
// against a plain text box; a zoom step of the window and a step of the
// presentation view on a full board; the practice's checker on a task, and
// a class set with its answers; the board kept for recovery and given back;
// a vertex of the polygon dragged by the mouse.
//
// Given names of parts (commands, transfers, history, zoom, presentation,
// practice, recovery, drag), it runs those alone.
#include "AreaReport.h"
#include "Board.h"
#include "Canvas.h"
#include "ContourOrder.h"
#include "ContourWarning.h"
#include "Documents.h"
#include "KeptBoard.h"
#include "MainWindow.h"
#include "PracticeCheck.h"
#include "PresentationWindow.h"
#include "ReportLayout.h"
#include "WholeFile.h"
#include "ReportView.h"
#include "TaskPolygon.h"
#include "VertexModel.h"
#include "WorkingWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Lets the window show what the command did: the report reaches the report
// box and the canvas repaints.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    settle();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void send(QWidget *widget, QEvent::Type type, QPointF at)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A left-button press and release, as the mouse delivers them.
void click(QWidget *widget, QPointF at)
{
    send(widget, QEvent::MouseButtonPress, at);
    send(widget, QEvent::MouseButtonRelease, at);
}

QPushButton *button(const MainWindow &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

// Presses on the canvas at random points, each delivered as a mouse event.
void fillBoard(const MainWindow &window, int n, quint32 seed)
{
    QRandomGenerator random(seed);
    Canvas *canvas = window.findChild<Canvas *>(QStringLiteral("canvas"));
    const QRect inner = canvas->contentsRect();
    for (int i = 0; i < n; ++i)
        send(canvas, QEvent::MouseButtonPress,
             QPointF(inner.left() + random.bounded(inner.width()), inner.top() + random.bounded(inner.height())));
}

// Presses at random points of the canvas's rim: a convex board of 1,314 places,
// most taken several times, which the order walks round.
void fillRim(const MainWindow &window, int n, quint32 seed)
{
    QRandomGenerator random(seed);
    Canvas *canvas = window.findChild<Canvas *>(QStringLiteral("canvas"));
    const QRect inner = canvas->contentsRect();
    for (int i = 0; i < n; ++i) {
        const QPoint at(random.bounded(inner.width()), random.bounded(inner.height()));
        const bool side = random.bounded(2), far = random.bounded(2);
        send(canvas, QEvent::MouseButtonPress,
             inner.topLeft() + (side ? QPoint(far ? inner.width() - 1 : 0, at.y()) : QPoint(at.x(), far ? inner.height() - 1 : 0)));
    }
}

// The longest time, in ms, that the event loop went without a turn (the
// window without repainting) while `work` ran.
double longestStall(const std::function<void()> &work)
{
    QElapsedTimer sinceTurn;
    sinceTurn.start();
    qint64 longest = 0;
    QTimer beat;
    beat.setInterval(5);
    QObject::connect(&beat, &QTimer::timeout, [&] { longest = std::max(longest, sinceTurn.restart()); });
    beat.start();
    work();
    return double(std::max(longest, sinceTurn.elapsed()));
}

void press(QWidget *widget, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

// On a full board, after "Контур": the picture and every vertex copied, the
// board cleared and the vertices pasted back, the report saved; and the
// worksheet of its 32,765 triangles printed to a PDF file.
int transfers()
{
    MainWindow window;
    window.show();
    settle();
    fillBoard(window, VertexModel::MaxVertices, 11);
    button(window, "contourButton")->click();
    settle();
    Canvas *canvas = window.findChild<Canvas *>(QStringLiteral("canvas"));
    QAction *copyVertices = window.findChild<QListView *>(QStringLiteral("xList"))->actions().constFirst();
    const ReportView *reportView = window.findChild<ReportView *>(QStringLiteral("report"));
    const QString report = reportView->text();
    QTemporaryDir folder;
    std::vector<double> pictures, copies, pastes, saves;
    for (int run = 0; run < 5; ++run) {
        pictures.push_back(millisecondsOf([&] { press(canvas, Qt::Key_C, Qt::ControlModifier); }));
        copies.push_back(millisecondsOf([&] { copyVertices->trigger(); }));
        const QString lines = QGuiApplication::clipboard()->text();
        button(window, "clearButton")->click();
        settle();
        pastes.push_back(millisecondsOf([&] { press(canvas, Qt::Key_V, Qt::ControlModifier); }));
        if (window.board().vertices().vertexLines() != lines) {
            std::fprintf(stderr, "the pasted board differs from the copied one\n");
            return 1;
        }
        saves.push_back(millisecondsOf([&] { saveWholeFile(folder.filePath(QStringLiteral("report.txt")), report.toUtf8()); }));
    }
    std::printf("On a board of 32,767 vertices, median ms (target at most 200 each):\n");
    std::printf("  Ctrl+C on the canvas, the picture copied:      %8.2f\n", median(pictures));
    std::printf("  \"Копиране на всички върхове\":                 %8.2f\n", median(copies));
    std::printf("  Ctrl+V on the canvas, 32,767 lines pasted:     %8.2f\n", median(pastes));
    std::printf("  the report (%lld characters) saved to a file: %8.2f\n", static_cast<long long>(report.size()), median(saves));

    // Both worksheets through the window's own save, its progress dialog
    // and all, of a board with the same rows and report.
    Board board;
    board.setArea(QRect(QPoint(0, 0), canvas->contentsRect().size()));
    board.openVertexLines(window.board().vertices().vertexLines());
    board.connectInOrder();
    Documents documents(board, &window);
    bool saved = true;
    for (const auto document : {Messages::Document::Worksheet, Messages::Document::PupilWorksheet}) {
        const QString pdf = folder.filePath(QStringLiteral("worksheet.pdf"));
        double stall = 0;
        const double printing = millisecondsOf([&] { stall = longestStall([&] { saved &= documents.save(document, pdf); }); });
        std::printf("The %s worksheet of 32,767 vertices saved as PDF (%lld MB): %.0f ms, "
                    "the window at most %.0f ms without repainting (targets: the teacher's at most 2000 ms, "
                    "at most 100 ms without repainting)\n",
                    document == Messages::Document::Worksheet ? "teacher's" : "pupil's",
                    static_cast<long long>(QFileInfo(pdf).size() >> 20), printing, stall);
    }

    // With the fan computed afresh, as after a pick or a deletion.
    WorkingWindow working(&window);
    std::printf("The working of triangle 32,765 opened: %.2f ms (target at most 50)\n", millisecondsOf([&] {
        working.showWorking(fanOf(*board.reportedVertices()), board.vertices().vertexCount() - 3);
    }));
    return saved ? 0 : 1;
}

// The marks of the report on the canvas of a full board, the window
// repainted: Ctrl+Down from block to block, and onto the total line, which
// shades every triangle of the fan by how many cover each pixel: counted
// the first time, kept while the fan is shown. After "Контур" on random
// points, and after "Поред", whose fan's triangles overlap over and over.
void reportMarks()
{
    for (const char *command : {"contourButton", "inOrderButton"}) {
        MainWindow window;
        window.show();
        settle();
        fillBoard(window, VertexModel::MaxVertices, 9);
        button(window, command)->click();
        settle();
        ReportView *report = window.findChild<ReportView *>(QStringLiteral("report"));
        report->setFocus();
        const int lastBlock = firstLineOf({ReportPart::Triangle, VertexModel::MaxVertices - 3}, VertexModel::MaxVertices - 2);
        const auto toTotal = [&] {
            report->setCursorPosition(report->lineStart(lastBlock));
            return millisecondsOf([&] { press(report, Qt::Key_Down, Qt::ControlModifier); });
        };
        const double first = toTotal();
        std::vector<double> blocks, totals;
        for (int run = 0; run < 9; ++run) {
            report->setCursorPosition(0);
            blocks.push_back(millisecondsOf([&] { press(report, Qt::Key_Down, Qt::ControlModifier); }));
            totals.push_back(toTotal());
        }
        std::printf("After %s: the mark stepped to the next block: %.2f ms, to the total line: %.2f ms the first "
                    "time (the cover counted), then %.2f ms (target at most 16)\n",
                    command == std::string("contourButton") ? "\"Контур\"" : "\"Поред\"", median(blocks), first,
                    median(totals));
    }
}

// A full board's report set into a box of the report box's size and shown:
// the report box, from the bare text and with the line starts handed over,
// and a plain QPlainTextEdit given the same text, which lays out every line.
void reportBoxes(const ReportView &shown)
{
    const QString report = shown.text();
    const LinedText lined = LinedText::from(report);
    QPlainTextEdit plain;
    ReportView view;
    for (QAbstractScrollArea *box : std::initializer_list<QAbstractScrollArea *>{&plain, &view}) {
        box->setFont(shown.font());
        box->resize(shown.size());
        box->show();
    }
    settle();
    std::vector<double> plainTexts, texts, linedTexts;
    for (int run = 0; run < 5; ++run) {
        plainTexts.push_back(millisecondsOf([&] { plain.setPlainText(report); }));
        texts.push_back(millisecondsOf([&] { view.setText(report); }));
        linedTexts.push_back(millisecondsOf([&] { view.setText(lined); }));
    }
    std::printf("The report of 32,767 vertices (%lld characters, %d lines) set into a box and shown, median ms:\n",
                static_cast<long long>(report.size()), view.lineCount());
    std::printf("  a plain QPlainTextEdit::setPlainText:          %8.2f\n", median(plainTexts));
    std::printf("  the report box, its lines found:               %8.2f\n", median(texts));
    std::printf("  the report box, its line starts handed over:   %8.2f\n", median(linedTexts));
    std::printf("  the box's own memory: the text %s, and %lld KB of line starts\n",
                view.text().constData() == report.constData() ? "shared, not copied" : "COPIED",
                static_cast<long long>(view.linedText().lineStarts.size() * sizeof(qsizetype) >> 10));
}

// "Контур" on a full board beside one plain QPlainTextEdit::setPlainText of
// its report in a box of the report box's size, five times in turn: the
// yardstick in the same run, whatever else the machine is doing.
void contourAgainstPlainFill()
{
    std::vector<double> contours, plainFills;
    for (int run = 0; run < 5; ++run) {
        MainWindow window;
        window.show();
        settle();
        fillBoard(window, VertexModel::MaxVertices, 2000 + run);
        settle();
        contours.push_back(millisecondsOf([&] { button(window, "contourButton")->click(); }));
        const ReportView *shown = window.findChild<ReportView *>(QStringLiteral("report"));
        QPlainTextEdit plain;
        plain.setFont(shown->font());
        plain.resize(shown->size());
        plain.show();
        settle();
        plainFills.push_back(millisecondsOf([&] { plain.setPlainText(window.board().report()); }));
    }
    std::printf("\"Контур\" at 32,767 beside a plain fill of its report, five times in turn, median ms: "
                "%.2f against %.2f, %.3fx (target at most 0.15x)\n",
                median(contours), median(plainFills), median(contours) / median(plainFills));
}

double contourCommand(int n, void (*fill)(const MainWindow &, int, quint32) = fillBoard)
{
    std::vector<double> samples;
    for (int run = 0; run < (n > 5000 ? 3 : 9); ++run) {
        MainWindow window;
        window.show();
        settle();
        fill(window, n, 1000 + run);
        settle();
        samples.push_back(millisecondsOf([&] { button(window, "contourButton")->click(); }));
    }
    return median(samples);
}

// Whether a full board's rows, after "Контур", are a convex polygon taken
// once round: on random points (some inside), and on the canvas's rim (all
// on the hull).
double warningDecision(bool onRim)
{
    QRandomGenerator random(3);
    std::vector<Point> points;
    for (int i = 0; i < VertexModel::MaxVertices; ++i) {
        const double x = random.bounded(463), y = random.bounded(196);
        const bool side = random.bounded(2), far = random.bounded(2);
        points.push_back(!onRim ? Point{x, y} : side ? Point{far ? 462.0 : 0.0, y} : Point{x, far ? 195.0 : 0.0});
    }
    std::vector<Point> rows;
    for (int i : contourOrder(points))
        rows.push_back(points[i]);
    points = rows;
    std::vector<double> samples;
    for (int run = 0; run < 9; ++run)
        samples.push_back(millisecondsOf([&] { contourProblem(points); }));
    return median(samples);
}

// The resident memory of the process, in megabytes (Linux).
double residentMegabytes()
{
    double pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * 4096 / (1 << 20);
}

// Selects row 16000 by a click on the number list, as the user does.
void selectRow16000(MainWindow &window)
{
    QListView *numbers = window.findChild<QListView *>(QStringLiteral("numberList"));
    const QModelIndex row = numbers->model()->index(16000, 0);
    numbers->scrollTo(row);
    settle();
    click(numbers->viewport(), numbers->visualRect(row).center());
}

// The history on a full board: a command and its undo, timed, and the
// memory that twenty "Контур" and twenty deletions in a row take.
int history()
{
    MainWindow window;
    window.show();
    settle();
    fillBoard(window, VertexModel::MaxVertices, 5);
    settle();
    QAction *undo = window.findChild<QAction *>(QStringLiteral("undoAction"));
    QAction *redo = window.findChild<QAction *>(QStringLiteral("redoAction"));
    const auto commandAndUndo = [&](const char *what, const std::function<void()> &command) {
        const double done = millisecondsOf(command);
        const double undone = millisecondsOf([&] { undo->trigger(); });
        const double redone = millisecondsOf([&] { redo->trigger(); });
        std::printf("  %-28s %8.2f ms, undone in %8.2f ms, redone in %8.2f ms\n", what, done, undone, redone);
    };
    std::printf("On a board of 32,767 vertices:\n");
    commandAndUndo("\"Контур\", the rows moved:", [&] { button(window, "contourButton")->click(); });
    selectRow16000(window);
    commandAndUndo("\"Трий 1т\":", [&] { button(window, "deleteButton")->click(); });
    commandAndUndo("\"Чисти\":", [&] { button(window, "clearButton")->click(); });

    const double before = residentMegabytes();
    for (int run = 0; run < 20; ++run)
        button(window, "contourButton")->click();
    for (int run = 0; run < 20; ++run) {
        selectRow16000(window);
        button(window, "deleteButton")->click();
    }
    settle();
    std::printf("  twenty \"Контур\" and twenty deletions in a row: resident memory %+.1f MB "
                "(%.1f MB in all), %d steps kept\n",
                residentMegabytes() - before, residentMegabytes(), window.board().history().count());

    // Every step of these keeps a whole board's rows, and the "Контур"
    // among them its report: the history's bound in bytes is what holds.
    QAction *copyVertices = window.findChild<QListView *>(QStringLiteral("xList"))->actions().constFirst();
    copyVertices->trigger();
    Canvas *canvas = window.findChild<Canvas *>(QStringLiteral("canvas"));
    const double beforePastes = residentMegabytes();
    for (int run = 0; run < 20; ++run) {
        button(window, "clearButton")->click();
        press(canvas, Qt::Key_V, Qt::ControlModifier);
        button(window, "contourButton")->click();
    }
    settle();
    std::printf("  twenty clears, pastes of the board and \"Контур\": resident memory %+.1f MB (%.1f MB in all), "
                "%d steps kept in %.1f MB\n",
                residentMegabytes() - beforePastes, residentMegabytes(), window.board().history().count(),
                window.board().history().bytes() / double(1 << 20));
    return 0;
}

// A board after "Контур", the window stepped from 100 % to 125 % and
// back by its keys' actions, each step repainted; on the headless screen,
// whose 800 pixels leave no room for more.
void zoomSteps(int n)
{
    MainWindow window;
    window.show();
    settle();
    fillBoard(window, n, 13);
    button(window, "contourButton")->click();
    settle();
    QAction *zoomIn = window.findChild<QAction *>(QStringLiteral("zoomInAction"));
    QAction *zoomReset = window.findChild<QAction *>(QStringLiteral("zoomResetAction"));
    std::vector<double> ups, downs;
    for (int run = 0; run < 7; ++run) {
        ups.push_back(millisecondsOf([&] { zoomIn->trigger(); window.repaint(); }));
        downs.push_back(millisecondsOf([&] { zoomReset->trigger(); window.repaint(); }));
    }
    std::printf("Zoomed on a board of %5d vertices, repainted, median ms: to 125 %%: %6.2f, back to 100 %%: %6.2f "
                "(target at most 50)\n", n, median(ups), median(downs));
}

// The presentation view of a full board: its picture drawn once for the
// computation, then a step at a time by the Right key, each repainted.
void presentationSteps()
{
    MainWindow window;
    window.show();
    settle();
    fillBoard(window, VertexModel::MaxVertices, 17);
    button(window, "contourButton")->click();
    settle();
    QAction *present = window.findChild<QAction *>(QStringLiteral("presentationAction"));
    const double opened = millisecondsOf([&] { present->trigger(); });
    auto *shown = window.findChild<PresentationWindow *>();
    std::vector<double> steps;
    for (int run = 0; run < 15; ++run)
        steps.push_back(millisecondsOf([&] { press(shown, Qt::Key_Right, Qt::NoModifier); shown->repaint(); }));
    const double last = millisecondsOf([&] { press(shown, Qt::Key_End, Qt::NoModifier); shown->repaint(); });
    std::printf("The presentation of 32,767 vertices on a %dx%d screen: opened with its picture drawn %.0f ms; "
                "a step, median %.2f ms; the total's step %.2f ms (target at most 50)\n",
                shown->width(), shown->height(), opened, median(steps), last);
}

// The practice's checker on a ten-vertex task, every field filled; and a
// class set of 40 ten-vertex sheets with its answers saved as PDF.
void practice()
{
    MainWindow window;
    Board board;
    board.setArea(window.board().area());
    const Fan fan = fanOf(board.taskVertices(Task::variantWith(10, 1)));
    const Practice::Answers answers = Practice::solution(fan);
    std::vector<double> checks;
    for (int run = 0; run < 101; ++run)
        checks.push_back(millisecondsOf([&] { Practice::check(fan, answers); }));
    Documents documents(board, &window);
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("class.pdf"));
    const double classSet = millisecondsOf([&] {
        saveClassSetAsPdf(pdf, documents.classSet(Documents::classSetVariants(40, 10)));
    });
    std::printf("A ten-vertex task checked, every field filled: median %.3f ms (target at most 1); a class set of 40 "
                "ten-vertex sheets with its answers saved as PDF (%lld KB): %.0f ms (target at most 3000)\n",
                median(checks), static_cast<long long>(QFileInfo(pdf).size() >> 10), classSet);
}

// The board kept for recovery on a full board after "Контур": the window's
// thread takes the board as the file keeps it; the writer's thread writes
// the file's bytes and replaces the file; the longest the event loop goes
// without a turn from a change until its file is written; and the board
// given back from the file at a start, as the window shows it.
int recovery()
{
    QTemporaryDir folder, leftOver;
    const QString kept = folder.filePath(QStringLiteral("recovery-1.txt"));
    const QString copy = leftOver.filePath(QStringLiteral("recovery-1.txt"));
    auto window = std::make_unique<MainWindow>();
    window->show();
    window->keepForRecovery(folder.path(), false);
    fillBoard(*window, VertexModel::MaxVertices, 19);
    button(*window, "contourButton")->click();
    settle();
    std::vector<double> takes, bytes, writes, stalls;
    for (int run = 0; run < 5; ++run) {
        QByteArray file;
        takes.push_back(millisecondsOf([&] { window->board().kept(); }));
        bytes.push_back(millisecondsOf([&] { file = keptBoardBytes(window->board().kept()); }));
        writes.push_back(millisecondsOf([&] { saveWholeFile(copy, file); }));
        QFile::remove(kept);
        window->findChild<QAction *>(QStringLiteral("vertexNumbersAction"))->trigger();
        settle();
        stalls.push_back(longestStall([&] {
            while (!QFile::exists(kept))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }));
    }
    const QString report = window->board().report();
    window = std::make_unique<MainWindow>();
    window->show();
    settle();
    const double restore = millisecondsOf([&] { window->keepForRecovery(leftOver.path(), true); });
    std::printf("The board of 32,767 vertices kept for recovery, median ms: taken on the window's thread %.2f; "
                "on the writer's thread, its file's %lld KB made %.2f and written %.2f; the window at most %.0f ms "
                "without a turn meanwhile (target at most 16); given back at a start %.0f%s\n",
                median(takes), static_cast<long long>(QFileInfo(copy).size() >> 10), median(bytes), median(writes),
                median(stalls), restore, window->board().report() == report ? "" : ", WITH ANOTHER REPORT");
    return window->board().report() == report ? 0 : 1;
}

// After "Контур", a vertex in the middle of the rows and vertex 1 dragged by
// mouse events: each move with the picture redrawn where it changed and
// the report rewritten around its triangles and shown, before the next;
// then the release. Beside them "Поред" on the same rows, which computes
// the whole report and draws the whole figure, as every move would without
// following only what it changes.
void drags(int n)
{
    MainWindow window;
    window.show();
    settle();
    fillBoard(window, n, 23);
    button(window, "contourButton")->click();
    settle();
    const double whole = millisecondsOf([&] { button(window, "inOrderButton")->click(); });
    Canvas *canvas = window.findChild<Canvas *>(QStringLiteral("canvas"));
    for (const int row : {n / 2, 0}) {
        const Point vertex = window.board().points()[size_t(row)];
        const QPointF at = QPointF(canvas->contentsRect().topLeft()) + QPointF(vertex.x + 0.5, vertex.y + 0.5);
        send(canvas, QEvent::MouseButtonPress, at);
        std::vector<double> moves;
        for (int step = 1; step <= 25; ++step)
            moves.push_back(millisecondsOf([&] { send(canvas, QEvent::MouseMove, at + QPointF(step % 7, step % 5)); }));
        const double release = millisecondsOf([&] { send(canvas, QEvent::MouseButtonRelease, at); });
        std::printf("n = %5d, vertex %5d dragged: a move shown, median %6.2f ms, longest %6.2f (target at most %d); "
                    "put down %6.2f ms; \"Поред\" on the same rows, all afresh, %6.2f ms\n",
                    n, row + 1, median(moves), *std::max_element(moves.begin(), moves.end()), n > 1000 ? 50 : 16,
                    release, whole);
    }
}

// "Контур" at several sizes, presses, the report alone, its box, selection
// and deletion.
int commands()
{
    std::printf("\"Контур\" (reset, order, compute, replot, shown), median ms:\n");
    double t4096 = 0, t32767 = 0;
    for (int n : {100, 1000, 4096, 32767}) {
        const double t = contourCommand(n);
        std::printf("  n = %5d: %8.2f ms\n", n, t);
        if (n == 4096) t4096 = t;
        if (n == 32767) t32767 = t;
    }
    std::printf("  t(32767) / t(4096) = %.2f (linear would be 8.0)\n", t32767 / t4096);
    std::printf("  n = 32767 on the canvas's rim, walked round: %8.2f ms\n", contourCommand(32767, fillRim));
    std::printf("  of which the warning's decision, random / on the rim: %.2f / %.2f ms\n", warningDecision(false),
                warningDecision(true));
    contourAgainstPlainFill();
    reportMarks();

    MainWindow window;
    window.show();
    settle();
    const QTemporaryDir recoveryFolder;
    window.keepForRecovery(recoveryFolder.path(), false);
    std::printf("32,767 canvas presses in a row, the board kept for recovery: %.1f ms (target at most 50)\n",
                millisecondsOf([&] { fillBoard(window, VertexModel::MaxVertices, 7); }));
    button(window, "contourButton")->click();
    settle();
    std::vector<double> writings;
    for (int run = 0; run < 9; ++run)
        writings.push_back(millisecondsOf([&] { areaReport(*window.board().figure().fan); }));
    std::printf("its report alone written, median: %.2f ms\n", median(writings));
    reportBoxes(*window.findChild<ReportView *>(QStringLiteral("report")));

    // Nine times: the number list scrolled to row 16000, as the user scrolls
    // it, a click on that row, and the delete button. The board loses nine of
    // its 32,767 vertices on the way.
    QListView *numbers = window.findChild<QListView *>(QStringLiteral("numberList"));
    std::vector<double> selections, deletions;
    for (int run = 0; run < 9; ++run) {
        const QModelIndex row = numbers->model()->index(16000, 0);
        numbers->scrollTo(row);
        settle();
        const QPointF onRow = numbers->visualRect(row).center();
        selections.push_back(millisecondsOf([&] { click(numbers->viewport(), onRow); }));
        if (window.board().selectedRow() != 16000) {
            std::fprintf(stderr, "the click selected row %d, not 16000\n", window.board().selectedRow());
            return 1;
        }
        const int before = window.board().vertices().vertexCount();
        deletions.push_back(millisecondsOf([&] { button(window, "deleteButton")->click(); }));
        if (window.board().vertices().vertexCount() != before - 1) {
            std::fprintf(stderr, "the button deleted no vertex\n");
            return 1;
        }
    }
    std::printf("select a row on a board of 32,767 vertices: %.2f ms\n", median(selections));
    std::printf("delete that vertex: %.2f ms\n", median(deletions));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window's zoom is never the user's: settings in a folder of the run's own.
    const QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    const QStringList parts = app.arguments().mid(1);
    const auto runs = [&parts](const char *part) { return parts.isEmpty() || parts.contains(QLatin1String(part)); };
    if (runs("zoom"))
        for (int n : {100, 1000, VertexModel::MaxVertices})
            zoomSteps(n);
    if (runs("presentation"))
        presentationSteps();
    if (runs("practice"))
        practice();
    if (runs("drag"))
        for (int n : {100, 1000, VertexModel::MaxVertices})
            drags(n);

    if (runs("commands") && commands() != 0)
        return 1;
    return (runs("transfers") ? transfers() : 0) || (runs("history") ? history() : 0)
           || (runs("recovery") ? recovery() : 0);
}
