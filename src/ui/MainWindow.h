// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BoardController.h"
#include "VertexModel.h"

#include <QColor>
#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

class HelpWindow;
class QAction;
class QPushButton;
struct WorksheetContent;

// The program's one window: the title, four coloured command buttons, the
// canvas, the three one-row vertex lists with their letter labels, the
// report box and a menu bar of the same four commands.
//
// Every command is one action, run by its button, its menu item, its
// context menu or its shortcut alike; one table lists them all. What goes
// beyond the buttons and the menu bar comes by shortcuts, the context menus
// of the lists and the report, the canvas's clipboard and drops, and the
// command line. The window words every message.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const VertexModel &vertices() const { return m_vertices; }
    const QUndoStack &history() const { return m_controller->history(); }

    // What the user reaches of a command: its action, and its button and
    // the button's colour where it has one; in the order of the table.
    struct CommandControls {
        QAction *action = nullptr;
        QPushButton *button = nullptr;
        QColor face;
    };
    QList<CommandControls> commands() const;

    // Opens a file of vertex lines as a new board, or says why not.
    void openVertexFile(const QString &path);

private:
    struct Command;
    static const Command Commands[];

    void connectCommands();
    void showVertexViews();
    void paintColours();

    void orderContour();
    void connectInOrder();
    void clearAll();
    void deleteVertex();
    void undo();
    void redo();
    void copyVertices();
    void saveVertices();
    void openVertices();
    void pasteVertices();
    void saveReport();
    void printReport();
    void saveWorksheetPdf();
    void showHelp();
    void openContextMenu();

    enum class TextOrigin { Clipboard, Drop };
    void placeVertexText(const QString &text, TextOrigin origin);
    QString askFileName(const QString &caption, const QString &name, bool saving);
    WorksheetContent worksheet() const;
    void warn(const QString &message);
    void showVertexLimit();

    std::unique_ptr<Ui::MainWindow> m_ui;
    VertexModel m_vertices;
    std::unique_ptr<BoardController> m_controller;
    HelpWindow *m_help = nullptr;
};
