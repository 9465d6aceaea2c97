// Times the program's commands on the real window (offscreen platform):
// vertex entry by mouse events, "Контур" by its button (reset, order,
// compute, replot, with the report set into the real text box and the window
// repainted), selection and deletion.
#include "ui/Commands.h"
#include "ui/Zarvelon.h"

#include "platform/CanvasWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Lets the window show what the command did: the report reaches the text box
// and the canvas repaints.
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

// Presses on the canvas at random points, each delivered as a mouse event.
void fillBoard(Board &board, int n, quint32 seed)
{
    QRandomGenerator random(seed);
    CanvasWidget *canvas = board.Picture1.widget();
    const QRect inner = canvas->contentsRect();
    for (int i = 0; i < n; ++i) {
        const QPointF at(inner.left() + random.bounded(inner.width()), inner.top() + random.bounded(inner.height()));
        QMouseEvent press(QEvent::MouseButtonPress, at, canvas->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &press);
    }
}

double contourCommand(int n)
{
    std::vector<double> samples;
    for (int run = 0; run < (n > 5000 ? 3 : 9); ++run) {
        Zarvelon window;
        window.show();
        settle();
        fillBoard(window.board(), n, 1000 + run);
        settle();
        samples.push_back(millisecondsOf([&] { window.Command1(OrderAndReport)->click(); }));
    }
    return median(samples);
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

    Zarvelon window;
    window.show();
    settle();
    Board &board = window.board();
    std::printf("32,767 canvas presses in a row: %.1f ms\n",
                millisecondsOf([&] { fillBoard(board, Board::MaxVertices, 7); }));
    window.Command1(OrderAndReport)->click();
    settle();
    std::printf("select a row on a board of 32,767 vertices: %.2f ms\n",
                millisecondsOf([&] { board.List1[2].SetListIndex(16000); }));
    std::printf("delete that vertex: %.2f ms\n",
                millisecondsOf([&] { window.Command1(DeleteSelected)->click(); }));
    return 0;
}
