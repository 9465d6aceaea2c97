// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Picture.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTransform>

class Board;
class QFont;
class QImage;
class QPainter;

// The board's picture as the canvas shows it: its pixels zoom times as
// large from the top-left corner of the canvas's inner area, at the
// screen's pixel ratio times the zoom so that it stays sharp. At a new
// ratio the figure is drawn afresh from its lines, which are kept at 100 %
// for the picture's size and drawn once, so that a zoom draws no line again.
//
// The picture keeps the size the inner area has at 100 %: a zoom holds that
// size until the inner area is resized at 100 %.
class ZoomedPicture
{
public:
    // Draws the board's figure from now on.
    void follow(const Board &board) { m_board = &board; }

    QRect area() const { return m_picture.area(); }
    // The picture as drawn at this zoom.
    const Picture &drawn() const { return m_picture; }
    qreal zoom() const { return m_zoom; }

    // The picture's size in an inner area of `inner` at this zoom.
    QSize sizeIn(QSize inner) const { return m_zoom == 1 && !m_sizeHeld ? inner : m_heldSize; }
    // False when the zoom stays as it was or is not a zoom at all.
    bool setZoom(qreal zoom, QSize inner);
    // The inner area was resized: at 100 % the picture follows it again.
    void innerResized();
    // Fits the picture to the inner area at `innerOrigin`, of `size`, on a
    // screen of `screenRatio`: what was drawn stays, and at another ratio
    // it is drawn afresh, sharp. False when it was fitted already.
    bool fit(QPoint innerOrigin, QSize size, qreal screenRatio);
    bool fitsScreen(qreal screenRatio) const { return screenRatio * m_zoom == m_picture.devicePixelRatio(); }

    // The board's figure afresh, and the dots of the vertices placed from
    // `first` on; each returns the pixels it changed.
    QRect drawFigure();
    QRect drawPlaced(int first, int count);
    // The figure where vertex `row` of the polygon moved from `from`: only
    // the reach of its dot and lines drawn again, the rest as it was.
    QRect drawMoved(int row, QPoint from);

    // From the picture's coordinates to the canvas's, and a rectangle of
    // the picture on the canvas, whole pixels round it.
    QTransform toWidget() const { return QTransform(m_zoom, 0, 0, m_zoom, m_innerOrigin.x(), m_innerOrigin.y()); }
    QRect onWidget(const QRectF &pictureArea) const { return toWidget().mapRect(pictureArea).toAlignedRect(); }
    // The picture's pixel under a point of the canvas.
    QPoint pixelAt(QPointF position) const;
    // The canvas's font at 100 %: the marks' text, in the picture's pixels.
    QFont unzoomed(const QFont &font) const;

    // The part of the inner area `inner` in `target` painted from the
    // picture, and white where the inner area is a fraction of a pixel
    // larger than the zoomed picture.
    void paint(QPainter &painter, const QRect &target, const QRect &inner, qreal screenRatio) const;
    // The picture as 100 % shows it on a screen of `screenRatio`.
    QImage imageAt100(qreal screenRatio) const;

private:
    void drawFigureAfresh(Picture &picture) const;

    const Board *m_board = nullptr;
    // Where the inner area starts, kept as the picture is fitted to it:
    // QWidget works it out afresh on every call, and a press needs it three
    // times.
    QPoint m_innerOrigin;
    Picture m_picture;
    // The board's figure's lines at 100 %, kept for the picture's size.
    mutable Picture m_lines;
    qreal m_zoom = 1;
    QSize m_heldSize;
    bool m_sizeHeld = false; // the picture's size kept through a zoom, until a resize at 100 %
};
