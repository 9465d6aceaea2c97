// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the program's commands on the real window (offscreen platform):
// vertex entry by mouse events, "Контур" by its button (reset, order,
// compute, replot, with the report set into the real report box and the
// window repainted; on random boards, and on a convex one that the order
// walks round), the report's text alone, selection by a click on a list
// row, and deletion; and
// what leaves the window and comes in: the picture and every vertex copied,
// the vertices pasted back, the report saved, the worksheet printed.
#include "AreaReport.h"
#include "Canvas.h"
#include "MainWindow.h"
#include "WholeFile.h"
#include "ReportView.h"
#include "VertexModel.h"
#include "Worksheet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
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

    const QString pdf = folder.filePath(QStringLiteral("worksheet.pdf"));
    std::optional<QString> failure;
    const double printing = millisecondsOf([&] {
        failure = saveWorksheetAsPdf(pdf, {canvas->picture().image(), window.board().vertices().points(), report,
                                           reportView->font(), QDate::currentDate()});
    });
    std::printf("The worksheet of 32,765 triangles saved as PDF (%lld MB): %.0f ms\n",
                static_cast<long long>(QFileInfo(pdf).size() >> 20), printing);
    return failure ? 1 : 0;
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
    const QModelIndex row = window.board().vertices().index(16000, VertexModel::NumberColumn);
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

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

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

    MainWindow window;
    window.show();
    settle();
    std::printf("32,767 canvas presses in a row: %.1f ms\n",
                millisecondsOf([&] { fillBoard(window, VertexModel::MaxVertices, 7); }));
    button(window, "contourButton")->click();
    settle();
    std::vector<double> writings;
    for (int run = 0; run < 9; ++run)
        writings.push_back(millisecondsOf([&] { areaReport(*window.board().figure().fan); }));
    std::printf("its report alone written, median: %.2f ms\n", median(writings));

    // Nine times: the number list scrolled to row 16000, as the user scrolls
    // it, a click on that row, and the delete button. The board loses nine of
    // its 32,767 vertices on the way.
    QListView *numbers = window.findChild<QListView *>(QStringLiteral("numberList"));
    std::vector<double> selections, deletions;
    for (int run = 0; run < 9; ++run) {
        const QModelIndex row = window.board().vertices().index(16000, VertexModel::NumberColumn);
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
    return transfers() || history();
}
