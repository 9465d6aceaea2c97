// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers for the tests that drive the real window with mouse and keyboard
// events, and a snapshot of everything the user can see or get from it.

#include "BoardFixture.h"
#include "Canvas.h"
#include "MainWindow.h"
#include "ReportView.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>


// The window's settings (its zoom, the canvas's numbers) in a folder of the
// test program's own, never the user's: every window starts at 100 %.
inline void keepSettingsPrivate()
{
    static const QTemporaryDir folder;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}
Q_COREAPP_STARTUP_FUNCTION(keepSettingsPrivate)

// Lets the window finish what an event started: queued signals, repaints.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A control of the window by its object name; a missing one ends the test run.
template <typename T>
T *control(const MainWindow &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("the window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

inline Canvas *canvasOf(const MainWindow &window) { return control<Canvas>(window, "canvas"); }
inline ReportView *reportOf(const MainWindow &window) { return control<ReportView>(window, "report"); }

// The four commands that have a button, in the menu bar's order: the
// button's name and that of its menu item's action.
struct ButtonAndItem {
    const char *button;
    const char *item;
};
inline constexpr ButtonAndItem ButtonsAndItems[] = {{"contourButton", "orderContourAction"},
                                                    {"inOrderButton", "connectInOrderAction"},
                                                    {"clearButton", "clearAllAction"},
                                                    {"deleteButton", "deleteVertexAction"}};

// The canvas's picture as Ctrl+C copies it: as drawn, without the marks
// shown over it. The key goes straight to the canvas, as no shortcut of the
// window takes it: the randomized test copies after every event.
inline QImage copiedPicture(Canvas *canvas)
{
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QCoreApplication::sendEvent(canvas, &copy);
    return QGuiApplication::clipboard()->image();
}

// The list that shows one column of the vertices.
inline QListView *listOf(const MainWindow &window, VertexModel::Column column)
{
    static const char *const names[] = {"xList", "yList", "numberList"};
    return control<QListView>(window, names[column]);
}

// A press at a position of the canvas's inner area, shown as the user sees
// it: the lists take their new rows once the event loop turns.
inline void pressCanvas(MainWindow &window, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {})
{
    Canvas *canvas = canvasOf(window);
    QTest::mouseClick(canvas, button, modifiers, canvas->contentsRect().topLeft() + at);
    settle();
}

inline void pressButton(MainWindow &window, const char *button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    settle();
}

// A click on the menu bar's item of the action of that name; one that is
// not in the menu bar ends the test run.
inline void chooseMenuItem(MainWindow &window, const char *action)
{
    QMenuBar *bar = window.menuBar();
    const QRect item = bar->actionGeometry(control<QAction>(window, action));
    if (item.isEmpty())
        qFatal("the menu bar has no item %s", action);
    QTest::mouseClick(bar, Qt::LeftButton, {}, item.center());
    settle();
}

// A click on a row of a vertex list, scrolled into its one-row view first.
inline void clickRow(MainWindow &window, VertexModel::Column column, int row, Qt::KeyboardModifiers modifiers = {})
{
    QListView *view = listOf(window, column);
    const QModelIndex index = view->model()->index(row, view->modelColumn());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
    settle();
}

// The texts a list shows, row by row.
inline QStringList textsOf(const QListView *view)
{
    QStringList texts;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        texts << view->model()->index(r, 0).data().toString();
    return texts;
}

// The row a list shows selected: -1 for none, -2 for more than one.
inline int selectedRowOf(const QListView *view)
{
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.size() > 1 ? -2 : selected.isEmpty() ? -1 : selected.first().row();
}

// Everything the user can see or get from the window.
struct Snapshot {
    QStringList x, y, numbers;
    int selectedX = -1, selectedY = -1, selectedNumber = -1;
    int vertexCount = 0;
    bool closed = false;
    QString report;
    QImage canvas;

    auto fields() const
    {
        return std::tie(x, y, numbers, selectedX, selectedY, selectedNumber, vertexCount, closed, report, canvas);
    }
    bool operator==(const Snapshot &other) const { return fields() == other.fields(); }
};

inline Snapshot snap(const MainWindow &window)
{
    settle();
    const QListView *xs = listOf(window, VertexModel::XColumn);
    const QListView *ys = listOf(window, VertexModel::YColumn);
    const QListView *numbers = listOf(window, VertexModel::NumberColumn);
    return {textsOf(xs), textsOf(ys), textsOf(numbers),
            selectedRowOf(xs), selectedRowOf(ys), selectedRowOf(numbers),
            window.board().vertices().vertexCount(), window.board().isClosed(),
            reportOf(window)->text(), copiedPicture(canvasOf(window))};
}

inline char *toString(const Snapshot &s)
{
    return qstrdup(QStringLiteral("x=%1 y=%2 n=%3 sel=%4/%5/%6 count=%7 closed=%8 report=%9 chars")
                       .arg(s.x.join(u' '), s.y.join(u' '), s.numbers.join(u' '))
                       .arg(s.selectedX).arg(s.selectedY).arg(s.selectedNumber)
                       .arg(s.vertexCount).arg(s.closed)
                       .arg(s.report.size())
                       .toUtf8()
                       .constData());
}
