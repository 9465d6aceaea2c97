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
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <tuple>


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

// The window's command whose action has that name; a missing one ends the test run.
inline MainWindow::CommandControls commandOf(const MainWindow &window, const char *name)
{
    for (const MainWindow::CommandControls &command : window.commands())
        if (command.action->objectName() == QLatin1String(name))
            return command;
    qFatal("the window has no command %s", name);
}

// The list that shows one column of the vertices.
inline QListView *listOf(const MainWindow &window, VertexModel::Column column)
{
    static const char *const names[] = {"xList", "yList", "numberList"};
    return control<QListView>(window, names[column]);
}

// A press at a position of the canvas's inner area.
inline void pressCanvas(MainWindow &window, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {})
{
    Canvas *canvas = canvasOf(window);
    QTest::mouseClick(canvas, button, modifiers, canvas->contentsRect().topLeft() + at);
}

inline void pressButton(MainWindow &window, const char *command)
{
    QTest::mouseClick(commandOf(window, command).button, Qt::LeftButton);
    settle();
}

// A click on the command's item in the menu bar.
inline void chooseMenuItem(MainWindow &window, const char *command)
{
    QMenuBar *bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(commandOf(window, command).action).center());
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
    const QListView *xs = listOf(window, VertexModel::XColumn);
    const QListView *ys = listOf(window, VertexModel::YColumn);
    const QListView *numbers = listOf(window, VertexModel::NumberColumn);
    return {textsOf(xs), textsOf(ys), textsOf(numbers),
            selectedRowOf(xs), selectedRowOf(ys), selectedRowOf(numbers),
            window.board().vertices().vertexCount(), window.board().isClosed(),
            reportOf(window)->text(), canvasOf(window)->picture().image()};
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
