// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fan.h"
#include "PracticeCheck.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class Board;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class WorkingWindow;

// The practice: a window of its own where the pupil types each triangle's
// sides a, b and c, its area by Heron's formula and |D|, and the polygon's
// area, for the polygon the report describes; Enter or "Провери" checks
// every filled field. A right field turns green, a wrong one red, with a
// hint under its triangle's row (the step of the working to look at) and a
// button that opens that triangle's working; the score follows each check.
// "Покажи решението" fills in every field, and the score no longer counts.
//
// "Нова задача..." places a numbered task on the board, as presses would,
// and runs "Контур"; the variant's number, typed in the window, places the
// same task again, on any computer. A change of the board by anything else
// leaves the answers in place and offers a practice of the new polygon.
//
// Every field has a name a screen reader reads ("Триъгълник 2, страна b");
// the window zooms with the main window; Escape closes it.
class PracticeWindow : public QWidget
{
    Q_OBJECT

public:
    // More vertices than this are not for practising by hand.
    static constexpr int MostVertices = 50;

    // Over `mainWindow`, in the font the application gives its kind.
    PracticeWindow(Board &board, QWidget *mainWindow);
    ~PracticeWindow() override;

    // Shown and raised: a new practice unless this one is of the polygon
    // the report describes.
    void open();
    // The numbered task placed on the board, and a practice of it.
    void openVariant(int variant);

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A triangle's row of fields, or the total's, with its hint and the
    // button of its working.
    struct Row {
        std::vector<QLineEdit *> fields;
        QLabel *hint = nullptr;
        QPushButton *working = nullptr;
    };

    void start();
    void followBoard();
    void clearRows();
    void addRows();
    // `fields` fields from `firstColumn` of the grid, of the kinds from
    // `firstKind` on (a Practice::Field, or FieldsPerTriangle for the total).
    Row addRow(int gridRow, int block, QLabel *label, int firstColumn, int fields, int firstKind);
    void check();
    void showSolution();
    void askNewTask();
    void markField(QLineEdit *field, const Practice::Verdict &verdict, const FanTriangle *triangle, Practice::Field kind);
    void showWorking(int block);
    void fitGrid();
    bool practisesReport() const;

    Board &m_board;
    std::shared_ptr<const std::vector<Point>> m_vertices; // the polygon practised
    Fan m_fan;
    int m_variant = 0;     // of the polygon practised; 0 for none
    int m_taskVariant = 0; // the last task placed
    int m_taskVertices = 5;
    bool m_solutionShown = false;
    bool m_opening = false;

    QLabel *m_heading;
    QLabel *m_coordinates;
    QLabel *m_notice;
    QPushButton *m_again;
    QScrollArea *m_scroll;
    QWidget *m_grid;
    QGridLayout *m_gridLayout;
    QLabel *m_score;
    QPushButton *m_check;
    QPushButton *m_solve;
    QLineEdit *m_variantField;
    std::vector<Row> m_rows; // the triangles', then the total's
    WorkingWindow *m_working = nullptr;
    int m_workingBlock = 0; // shown last
    std::array<QString, Practice::FieldsPerTriangle + 1> m_widest; // answer of each kind, the total's last
};
