#pragma once

// Helpers for the tests that drive the real window with mouse and keyboard
// events, and a snapshot of everything a command can change.

#include "BoardFixture.h"
#include "platform/CanvasWidget.h"
#include "ui/Zarvelon.h"

#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

inline void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

inline void PressCanvas(Zarvelon &window, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {})
{
    CanvasWidget *canvas = window.board().Picture1.widget();
    QTest::mouseClick(canvas, button, modifiers, canvas->contentsRect().topLeft() + at);
}

inline void PressButton(Zarvelon &window, int index)
{
    QTest::mouseClick(window.Command1(index), Qt::LeftButton);
    Settle();
}

inline void ChooseMenu(Zarvelon &window, int index)
{
    QMenuBar *bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(window.menu_h(index)).center());
    Settle();
}

// A click on a row of a vertex list, scrolled into its one-row view first.
inline void ClickRow(Zarvelon &window, int list, int row)
{
    QListWidget *view = window.board().List1[list].widget();
    QListWidgetItem *item = view->item(row);
    view->scrollToItem(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
    Settle();
}

// Everything the user's actions can change.
struct Snapshot {
    QStringList x, y, numbers;
    int selectedX = -1, selectedY = -1, selectedNumber = -1;
    int pointCount = 0;
    bool closed = false;
    int drawWidth = 0;
    QString report;
    QImage canvas;

    bool operator==(const Snapshot &o) const
    {
        return x == o.x && y == o.y && numbers == o.numbers && selectedX == o.selectedX
            && selectedY == o.selectedY && selectedNumber == o.selectedNumber
            && pointCount == o.pointCount && closed == o.closed && drawWidth == o.drawWidth
            && report == o.report && canvas == o.canvas;
    }
};

inline Snapshot Snap(Zarvelon &window)
{
    Board &b = window.board();
    return {Texts(b.List1[0]), Texts(b.List1[1]), Texts(b.List1[2]),
            b.List1[0].ListIndex(), b.List1[1].ListIndex(), b.List1[2].ListIndex(),
            b.PointCount, b.Closed, b.Picture1.DrawWidth(), b.Text1.Text(), b.Picture1.Image()};
}

inline char *toString(const Snapshot &s)
{
    return qstrdup(QStringLiteral("x=%1 y=%2 n=%3 sel=%4/%5/%6 count=%7 closed=%8 width=%9 report=%10")
                       .arg(s.x.join(u' '), s.y.join(u' '), s.numbers.join(u' '))
                       .arg(s.selectedX).arg(s.selectedY).arg(s.selectedNumber)
                       .arg(s.pointCount).arg(s.closed).arg(s.drawWidth)
                       .arg(s.report.size())
                       .toUtf8()
                       .constData());
}
