// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

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
// darker where they overlap. Before a
// computation there is step 0 alone.
//
// The keys are those of presentation programs and presenters' remotes:
// Right, Down, Page Down, Space, Enter and the wheel forward go on; Left,
// Up, Page Up and Backspace go back; Home and End go to the first and last
// step; a number typed and Enter go to that triangle; B blanks the screen to
// black and W to white until the next key; Escape leaves. It follows the
// board: a new computation, or any change of the figure, starts it at
// step 0.
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
    void goTo(int step);
    void describe();
    void layOut();
    void drawBase();
    void paintTriangle(QPainter &painter, const FanTriangle &triangle) const;
    void paintTotal(QPainter &painter);
    void paintText(QPainter &painter, const QStringList &lines) const;
    void paintKeys(QPainter &painter) const;
    QStringList stepText() const;
    QPointF onScreen(QPointF pixel) const;

    const Board &m_board;
    QWidget *m_mainWindow;
    int m_step = 0;
    QString m_typed; // a triangle's number, until Enter
    Blank m_blank = Blank::None;
    QImage m_base;   // the picture at the window's size, drawn once a figure
    bool m_baseDrawn = false;
    QRectF m_pictureArea;
    qreal m_scale = 1; // screen pixels a picture's pixel
    QRectF m_textArea;
    QFont m_textFont;
    int m_textLines = 7;
    std::vector<QRectF> m_numberPlaces;  // of the vertices' numbers on the picture, null where left out
    std::vector<double> m_runningTotals; // the sum of |D| up to each triangle, as the report adds them
    QImage m_totalShading; // in the picture's pixels, made when the total is first shown
};
