// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CanvasMark.h"
#include "CanvasNote.h"
#include "Picture.h"
#include "VertexNumbers.h"

class Board;

#include <QFrame>
#include <QRect>
#include <QTransform>

#include <functional>
#include <optional>

// The white drawing board: a sunken frame whose inner area shows the
// board's picture. It follows a board: the figure drawn afresh when it
// changes, a dot for each vertex placed, the crosshair at the last one.
//
// Coordinates are the picture's pixels from the top-left corner of the inner
// area. The picture is kept at the inner area's size at 100 %, whatever the
// zoom: at a zoom the canvas shows each of its pixels zoom times as large,
// its device pixel ratio the screen's times the zoom so that it stays sharp,
// and a press gives the picture's pixel under the pointer. What is drawn on
// it reaches the screen once control is back in the event loop, in one
// repaint of the rectangle the drawing changed.
//
// Each press of a mouse button places a vertex; the second press of a
// double-click, which the system reports as a double-click, places none:
// a pupil who double-clicks means one vertex.
//
// On the focused canvas the arrow keys move a crosshair (1 pixel, 10 with
// Shift), and Space or Enter presses the left button there. The crosshair and
// a focus frame are the keyboard user's marks: they show while the canvas has
// the focus from the keyboard (Tab, Shift+Tab) or after an arrow key, never
// after a mouse press, and are drawn over the picture, never into it.
//
// Marks lie over the picture, painted after it in the picture's
// coordinates, never into it: a mark (a triangle, the polygon, numbered or
// ringed vertices) and a note (a hint, a faint line of help) while they are
// set, the vertices' numbers while they are switched on, and the coordinates of the pixel under the pointer (from its
// first move after a press, so that the dot placed stays in sight) and of
// the crosshair beside them. The tooltip over the picture is asked of whoever
// knows what is drawn there.
//
// The actions added to the canvas make its context menu, which only the
// keyboard opens (the Menu key, at the crosshair): every mouse button
// places a vertex.
//
// Ctrl+C copies the picture to the clipboard as an image, as it is at 100 %
// on this screen; Ctrl+V asks for
// the clipboard's text to be placed, and a file or text dropped on the
// canvas is handed on, which is the board's business.
class Canvas : public QFrame
{
    Q_OBJECT

public:
    explicit Canvas(QWidget *parent = nullptr);

    // Shows the board's figure from now on.
    void follow(const Board &board);

    // The picture's pixels: where a press places a vertex. The inner area at
    // 100 %; at another zoom, the same pixels shown larger.
    QRect area() const { return QRect(QPoint(0, 0), pictureSize()); }

    // Shows the picture `zoom` times as large, with the same pixels. Set it
    // before the canvas is given its zoomed size: the picture keeps the size
    // the inner area has now, until the canvas is resized at 100 %.
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }

    void setMark(const CanvasMark &mark);
    // A note over the foot of the picture; an empty one takes it away.
    void setNote(const CanvasNote &note);
    // The tooltip's text at a pixel of the picture; none, no tooltip.
    void setToolTipSource(std::function<QString(QPoint)> source) { m_toolTipAt = std::move(source); }
    // Each vertex's number beside its dot, where it has room.
    void setVertexNumbersShown(bool shown);
    bool vertexNumbersShown() const { return m_numbersShown; }
    // The text that tells a pixel's coordinates, shown beside the pointer
    // over the picture and beside the crosshair; none, none shown.
    void setCoordinatesText(std::function<QString(QPoint)> text) { m_coordinatesText = std::move(text); }

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
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
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
    void drawFigureAfresh(Picture &picture) const;
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
    QSize pictureSize() const { return m_zoom == 1 && !m_sizeHeld ? contentsRect().size() : m_heldSize; }
    // From the picture's coordinates to the widget's, and a rectangle of
    // the picture on the widget, whole pixels round it.
    QTransform pictureToWidget() const;
    QRect onWidget(const QRectF &pictureArea) const;
    // The picture's pixel under a point of the widget.
    QPoint pixelAt(QPointF position) const;
    // The window's font at 100 %: the marks' text, in the picture's pixels.
    QFont pictureFont() const;
    void paintPicture(QPainter &painter, const QRect &target);
    void paintFocus(QPainter &painter);
    void paintMark(QPainter &painter);
    void paintCoordinates(QPainter &painter);
    QRect markArea() const;
    QRectF coordinatesBox(QPoint pixel) const;
    void setPointer(std::optional<QPoint> pixel);
    void damage(const QRect &area);
    void showDamage();

    const Board *m_board = nullptr;
    // Where the inner area starts, kept as the picture is fitted to it:
    // QWidget works it out afresh on every call, and a press needs it three
    // times. The picture's area is the inner area's, at the zoom.
    QPoint m_innerOrigin;
    Picture m_picture;
    // The board's figure's lines at 100 %, kept for the picture's size so
    // that a zoom draws the figure afresh without drawing a line again.
    mutable Picture m_lines;
    qreal m_zoom = 1;
    QSize m_heldSize;
    bool m_sizeHeld = false; // the picture's size kept through a zoom, until a resize at 100 %
    VertexNumbers m_numbers;
    bool m_numbersShown = false;
    std::function<QString(QPoint)> m_coordinatesText;
    std::optional<QPoint> m_pointer; // the picture's pixel under the pointer
    QRect m_damage;
    CanvasMark m_mark;
    CanvasNote m_note;
    std::function<QString(QPoint)> m_toolTipAt;
    QPoint m_crosshair;
    bool m_crosshairCentred = true;
    bool m_keyboardInUse = false; // the focus came by the keyboard, or an arrow key was pressed
};
