// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BoardController.h"
#include "Command.h"
#include "VertexModel.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

class QAction;

// The program's one window: the title, four coloured command buttons, the
// canvas, the three one-row vertex lists with their letter labels, the
// report box and a menu bar of the same four commands. Each command is one
// action, triggered by its button and by its menu item.
//
// What leaves the window and comes into it: the vertex lists' context menu
// copies every vertex, the canvas copies its picture and takes pasted
// vertices, and the report box's context menu saves and prints the report
// (Ctrl+S, Ctrl+P anywhere in the window).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const VertexModel &vertices() const { return m_vertices; }
    QAction *action(Command command) const;

private:
    void connectCommands();
    void connectTransfers();
    void showVertexViews();
    void paintColours();
    void showVertexLimit();
    void warn(const QString &message);
    void copyVertices();
    void pasteVertices();
    void saveReport();
    void printReport();

    std::unique_ptr<Ui::MainWindow> m_ui;
    VertexModel m_vertices;
    std::unique_ptr<BoardController> m_controller;
};
