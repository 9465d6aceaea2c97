// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "Documents.h"
#include "Messages.h"

#include <QColor>
#include <QMainWindow>

#include <functional>
#include <memory>

namespace Ui {
class MainWindow;
}

class BoardRecovery;
class Canvas;
class CanvasHints;
class HelpWindow;
class LessonMarks;
class PracticeWindow;
class PresentationWindow;
class WindowZoom;
class QAction;
class QPushButton;

// The program's one window: the title, four coloured command buttons, the
// canvas, the three one-row vertex lists with their letter labels, the
// report box and a menu bar of the same four commands. It wires them to the
// board, which they show.
//
// Every command is one action, run by its button, its menu item, its
// context menu or its shortcut alike; one table lists them all. What goes
// beyond the buttons and the menu bar comes by shortcuts, the context menus
// of the lists and the report, the canvas's clipboard and drops, the
// command line, and windows of their own (help, the working, the
// presentation, the practice). The window zooms whole, by Ctrl+Plus, Ctrl+Minus and
// Ctrl+0, with everything it opens, and starts at the zoom chosen last, as
// far as its screen has room.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const Board &board() const { return m_board; }

    // Opens a file of vertex lines as a new board, or says why not.
    void openVertexFile(const QString &path) { m_documents.openVertexFile(path); }
    // Keeps the board in a recovery file in `folder` as it changes
    // (BoardRecovery); with `restore`, first gives back the board a copy of
    // the program left there when it ended without quitting.
    void keepForRecovery(const QString &folder, bool restore);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Where a command is offered besides its button; its shortcut works
    // anywhere in the window.
    enum Offered {
        MenuBar = 1,    // as an item of the menu bar (laid out in the .ui)
        ListMenu = 2,   // in the context menu of the vertex lists
        ReportMenu = 4, // in the context menu of the report, after the box's own items
        CanvasMenu = 8, // in the canvas's context menu, which only the keyboard opens
        Shortcut = 16,  // by its shortcut alone
    };
    // One command: its action (caption and shortcut, in the .ui), its button
    // and the button's colour where it has one, where else it is offered,
    // and what it runs.
    struct Command {
        QAction *action;
        QPushButton *button;
        QColor face;
        int offered; // Offered, or'ed
        std::function<void()> run;
    };

    // A mark of the canvas's the user shows or hides by a checkable action:
    // remembered for the next start, kept with the board for recovery.
    struct CanvasSwitch {
        QAction *action;
        QString keptAs; // the mark's key in the recovery file
        void (Canvas::*show)(bool);
        bool (*remembered)();
        void (*remember)(bool);
    };

    std::vector<Command> commandTable();
    void connectCommands();
    void showVertexViews();
    void paintColours();
    void placeVertex(QPoint position);
    void deleteVertex();
    void placeVertexText(const QString &text, Messages::Source source);
    void describeCanvasLater();
    void describeCanvas();
    void tell(const QString &why);
    void markReportOutOfDate(bool outOfDate);
    void copyVertices();
    void showHelp();
    void showPresentation();
    void showPractice();
    void switchCanvasMark(QAction *action);
    void openContextMenu();

    std::unique_ptr<Ui::MainWindow> m_ui;
    Board m_board;
    std::unique_ptr<BoardRecovery> m_recovery; // goes before the board
    Documents m_documents;
    std::vector<Command> m_commands;
    std::vector<CanvasSwitch> m_canvasSwitches;
    HelpWindow *m_help = nullptr;
    LessonMarks *m_lesson = nullptr;
    PresentationWindow *m_presentation = nullptr;
    PracticeWindow *m_practice = nullptr;
    WindowZoom *m_zoom = nullptr;
    CanvasHints *m_hints = nullptr;
    bool m_canvasDescribed = true; // no description waits to be told
    bool m_iconAsked = false;
};
