// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CanvasGrid.h"
#include "CanvasMark.h"
#include "CanvasNote.h"
#include "KeyboardCrosshair.h"
#include "PixelCoordinates.h"
#include "PictureFrame.h"
#include "VertexNumbers.h"

#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>
#include <vector>

class Board;

// The white drawing board: a sunken frame whose inner area shows the
// board's picture. It follows a board: the figure drawn afresh when it
// changes, a dot for each vertex placed, the crosshair at the last one.
//
// Coordinates are the picture's pixels from the top-left corner of the inner
// area. The picture is kept at the inner area's size at 100 %, whatever the
// zoom: at a zoom the canvas shows each of its pixels zoom times as large,
// its device pixel ratio the screen's times the zoom so that it stays sharp
// (PictureFrame), and a press gives the picture's pixel under the pointer.
//
// Each press of a mouse button places a vertex; the second press of a
// double-click, which the system reports as a double-click, places none:
// a pupil who double-clicks means one vertex.
//
// On a board that shows its computed polygon, a vertex's dot can be taken
// and moved: the pointer is an open hand over a dot, a press takes it and
// the pointer, a closed hand, drags it until the button is released, or
// Escape puts it back. From the keyboard, Page Up and Page Down take the
// vertex before or after the one taken (ringed), Alt with an arrow moves it
// a pixel, with Shift ten, and Escape puts it back where it was taken. The
// board does the moving; the canvas says what the user asked.
//
// A grid can lie over the picture (CanvasGrid): while it shows, a press
// places a vertex at its nearest point, a drag moves a vertex from point to
// point, and the keys move the crosshair and a vertex ten pixels, to the
// grid's points.
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
// first move after a press, so that the dot placed stays in sight; at a
// new zoom at once, of the pixel now under it) and of the crosshair beside
// them. The tooltip over the picture is asked of whoever
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
class Canvas : public PictureFrame
{
    Q_OBJECT

public:
    explicit Canvas(QWidget *parent = nullptr);

    // Shows the board's figure from now on.
    void follow(const Board &board);

    // A mark's numbers stand for the canvas's own at the vertices it names.
    void setMark(const CanvasMark &mark);
    // A note over the picture where it covers none of the figure, else at
    // its foot or top, whichever is emptier; an empty one takes it away.
    void setNote(const CanvasNote &note);
    const CanvasNote &note() const { return m_note; }
    // The tooltip's text at a pixel of the picture; none, no tooltip.
    void setToolTipSource(std::function<QString(QPoint)> source) { m_toolTipAt = std::move(source); }
    // Each vertex's number beside its dot, where it has room.
    void setVertexNumbersShown(bool shown);
    bool vertexNumbersShown() const { return m_numbersShown; }
    // The text that tells a pixel's coordinates, shown beside the pointer
    // over the picture and beside the crosshair; none, none shown.
    void setCoordinatesText(std::function<QString(QPoint)> text) { m_coordinates.setText(std::move(text)); }
    void setGridShown(bool shown);
    bool gridShown() const { return m_grid.isShown(); }

signals:
    // A mouse button was pressed on the inner area, at a whole pixel (the
    // grid's nearest point while it shows), not on a dot taken.
    void pressed(QPoint position, Qt::MouseButton button);
    // The user took a vertex's dot, moved the vertex taken to a pixel of the
    // picture, put it down or back.
    void vertexTaken(int row);
    void takenMoved(QPoint to);
    void takenPutDown();
    void takenPutBack();
    // Ctrl+V on the canvas.
    void pasteRequested();
    // A file, or else a text, dropped on the canvas.
    void fileDropped(const QString &path);
    void textDropped(const QString &text);

protected:
    bool event(QEvent *event) override;
    void pictureFitted() override;
    void paintOver(QPainter &painter, const QRect &target) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The figure drawn anew, `changed` the pixels it changed: the vertices'
    // numbers are placed anew.
    void showDrawn(const QRect &changed);
    // The crosshair starts at the last vertex placed, or at the centre of an
    // empty board, also when the picture's size changes.
    void placeCrosshair();
    void moveCrosshair(QPoint position, bool centred);
    QPoint pictureCentre() const { return QPoint(area().width() / 2, area().height() / 2); }
    void setKeyboardInUse(bool inUse);
    // Whether the focus frame and the crosshair are shown.
    bool showsKeyboardMarks() const { return hasFocus() && m_keyboardInUse; }
    // Where the crosshair is drawn, in widget coordinates, without and with
    // its coordinates.
    QRect crosshairArea() const { return onWidget(m_crosshair.reach()); }
    QRect crosshairShownArea() const;
    void paintFocus(QPainter &painter) const;
    // The pixels whose coordinates show: under the pointer, at the crosshair.
    std::vector<QPoint> coordinatedPixels() const;
    QRect markArea() const { return onWidget(m_mark.reach(pictureFont())) & contentsRect(); }
    QRect coordinatesArea(QPoint pixel) const { return onWidget(m_coordinates.boxOf(pixel, area(), pictureFont())); }
    // The picture's pixel now under the pointer, where it was last seen
    // over the canvas: after a zoom, another pixel than before.
    std::optional<QPoint> pointerPixel() const;
    void setPointer(std::optional<QPointF> global);
    void placeNote();
    // Page Up, Page Down, Alt with an arrow and Escape on a vertex to move;
    // false for any other key.
    bool moveVertexByKeys(const QKeyEvent &event);
    // The row of the dot a press there would take; -1 for none.
    int takeableDotAt(QPoint pixel) const;
    QPoint takenPosition() const;
    // The ring round the taken vertex follows it, and the pointer's shape
    // the pointer: over a dot to take, dragging, or neither.
    void ringTaken();
    void shapePointer(std::optional<QPoint> pixel);
    void endDrag();

    // Cleared when the board goes: the window's board may be destroyed
    // before its canvas, which still takes a focus change as it closes.
    QPointer<const Board> m_board;
    VertexNumbers m_numbers;
    bool m_numbersShown = false;
    PixelCoordinates m_coordinates;
    std::optional<QPointF> m_pointer; // on the screen
    CanvasMark m_mark;
    CanvasNote m_note;
    QRect m_noteBox;          // where the note stands, clear of the figure
    QSize m_notePlacedIn;     // the picture's size it was placed for; none, to be placed
    std::function<QString(QPoint)> m_toolTipAt;
    KeyboardCrosshair m_crosshair;
    bool m_keyboardInUse = false; // the focus came by the keyboard, or an arrow key was pressed
    CanvasGrid m_grid;
    bool m_dragging = false;
    QPoint m_grab;                  // from the pointer's pixel to the dragged vertex
    std::optional<QPoint> m_ringed; // where the taken vertex's ring is painted
};
