// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CanvasMark.h"
#include "Picture.h"

class Board;

#include <QFrame>
#include <QRect>

#include <functional>

// The white drawing board: a sunken frame whose inner area shows the
// board's picture. It follows a board: the figure drawn afresh when it
// changes, a dot for each vertex placed, the crosshair at the last one.
//
// Coordinates are logical pixels from the top-left corner of the inner area.
// The picture is kept at the inner area's size and the screen's device pixel
// ratio. What is drawn on it reaches the screen once control is back in the
// event loop, in one repaint of the rectangle the drawing changed.
//
// On the focused canvas the arrow keys move a crosshair (1 pixel, 10 with
// Shift), and Space or Enter presses the left button there. The crosshair and
// a focus frame are the keyboard user's marks: they show while the canvas has
// the focus from the keyboard (Tab, Shift+Tab) or after an arrow key, never
// after a mouse press, and are drawn over the picture, never into it.
//
// A mark (a triangle, the polygon, numbered or ringed vertices) lies over
// the picture while it is set; the tooltip over the picture is asked of
// whoever knows what is drawn there.
//
// The actions added to the canvas make its context menu, which only the
// keyboard opens (the Menu key, at the crosshair): every mouse button
// places a vertex.
//
// Ctrl+C copies the picture to the clipboard as an image; Ctrl+V asks for
// the clipboard's text to be placed, and a file or text dropped on the
// canvas is handed on, which is the board's business.
class Canvas : public QFrame
{
    Q_OBJECT

public:
    explicit Canvas(QWidget *parent = nullptr);

    // Shows the board's figure from now on.
    void follow(const Board &board);

    // The inner area, in its own coordinates: where a press places a vertex.
    QRect area() const { return QRect(QPoint(0, 0), contentsRect().size()); }

    void setMark(const CanvasMark &mark);
    // The tooltip's text at a pixel of the picture; none, no tooltip.
    void setToolTipSource(std::function<QString(QPoint)> source) { m_toolTipAt = std::move(source); }

signals:
    // A mouse button was pressed on the inner area, at a whole pixel.
    void pressed(QPoint position, Qt::MouseButton button);
    // Ctrl+V on the canvas.
    void pasteRequested();
    // A file, or else a text, dropped on the canvas.
    void fileDropped(const QString &path);
    void textDropped(const QString &text);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The picture onto the clipboard, exactly as drawn.
    void copyPicture() const;
    void drawFigure();
    void drawPlaced(int first, int count);
    // The crosshair starts at the last vertex placed, or at the centre of an
    // empty board, also when the picture's size changes.
    void placeCrosshair();
    void setCrosshair(QPoint position);
    void centreCrosshair();
    void fitPicture();
    void moveCrosshair(QPoint position);
    void setKeyboardInUse(bool inUse);
    // Whether the focus frame and the crosshair are shown.
    bool showsKeyboardMarks() const { return hasFocus() && m_keyboardInUse; }
    QRect crosshairArea() const;
    void paintFocus(QPainter &painter);
    void paintMark(QPainter &painter);
    QRect markArea() const;
    void damage(const QRect &area);
    void showDamage();

    const Board *m_board = nullptr;
    Picture m_picture;
    QRect m_damage;
    CanvasMark m_mark;
    std::function<QString(QPoint)> m_toolTipAt;
    QPoint m_crosshair;
    bool m_crosshairCentred = true;
    bool m_keyboardInUse = false; // the focus came by the keyboard, or an arrow key was pressed
};
