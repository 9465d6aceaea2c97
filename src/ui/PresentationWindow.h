// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PresentationLayout.h"
#include "PresentationPicture.h"

#include <QWidget>

#include <optional>
#include <vector>

class Board;
struct FanTriangle;

// The board shown to the class on the whole screen, a step at a time: the
// picture as large as the screen allows, drawn as lines (thick sides, the
// fan's diagonals dashed in a colour, large dots and vertex numbers), and
// under it the step in type large enough for the back row.
//
// Step 0 shows the vertices with their coordinates; step k, triangle k
// marked on the picture with its vertices, sides, areas and the sum of |D|
// so far; the last step, the report's total and its warning, the fan's
// triangles shaded as the report's total line marks them on the canvas,
// darker where they overlap. Before a computation there is step 0 alone.
// Every vertex a step names has its number on the picture.
//
// The keys are those of presentation programs and presenters' remotes:
// Right, Down, Page Down, Space, Enter and the wheel forward go on; Left,
// Up, Page Up and Backspace go back; Home and End go to the first and last
// step; a number typed (shown large as it is typed, Backspace taking back
// its last digit) and Enter go to that triangle, the last one for a number
// past it; B blanks the screen to black and W to white until the next key,
// which does nothing else; Escape leaves. It follows the board: a new
// computation, or any change of the figure, starts it at step 0; a vertex
// of the polygon moved keeps the step, its numbers and picture following.
//
// A screen reader reads the step's text as the window's description.
//
// The picture under the steps is drawn once for each figure and kept, at
// the screen's size: a step draws only its own mark and text over it.
class PresentationWindow : public QWidget
{
    Q_OBJECT

public:
    PresentationWindow(const Board &board, QWidget *mainWindow);

    // Shown at step 0 on the whole of the screen other than the main
    // window's where there are two (the projector), else on the main
    // window's.
    void present();
    int step() const { return m_step; }
    int lastStep() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Blank { None, Black, White };

    void restart();
    void follow();
    void goTo(int step);
    void describe();
    const PresentationLayout &layout();
    StepText stepText();
    std::vector<int> namedVertices(const StepText &text);
    void type(int key);
    static void paintText(QPainter &painter, const PlacedText &text);

    const Board &m_board;
    QWidget *m_mainWindow;
    int m_step = 0;
    QString m_typed; // a triangle's number, until Enter
    Blank m_blank = Blank::None;
    std::optional<PresentationLayout> m_layout; // for the window's size
    PresentationPicture m_picture;
    std::vector<double> m_runningTotals; // the sum of |D| up to each triangle, as the report adds them
    std::optional<std::vector<int>> m_warned; // the vertices the warning names, once the total is shown
};
