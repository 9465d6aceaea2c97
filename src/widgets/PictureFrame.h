// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ZoomedPicture.h"

#include <QFrame>
#include <QRect>

// A sunken frame whose inner area shows the board's picture at a zoom
// (ZoomedPicture), kept at the inner area's size at 100 % and at the
// screen's pixel ratio times the zoom. What is drawn on the picture reaches
// the screen once control is back in the event loop, in one repaint of the
// rectangle the drawing changed. What lies over the picture is painted by
// the subclass, after it.
class PictureFrame : public QFrame
{
    Q_OBJECT

public:
    explicit PictureFrame(QWidget *parent = nullptr);

    // The picture's pixels. The inner area at 100 %; at another zoom, the
    // same pixels shown larger.
    QRect area() const { return QRect(QPoint(0, 0), m_picture.sizeIn(contentsRect().size())); }

    // Shows the picture `zoom` times as large, with the same pixels. Set it
    // before the frame is given its zoomed size: the picture keeps the size
    // the inner area has now, until the frame is resized at 100 %.
    void setZoom(qreal zoom);
    qreal zoom() const { return m_picture.zoom(); }

protected:
    ZoomedPicture &picture() { return m_picture; }
    const ZoomedPicture &picture() const { return m_picture; }
    // Pixels of the picture drawn anew, to be shown.
    void damage(const QRect &area);
    // A rectangle of the picture on the widget, whole pixels round it.
    QRect onWidget(const QRectF &pictureArea) const { return m_picture.onWidget(pictureArea); }
    // The widget's font at 100 %: the text over the picture, in its pixels.
    QFont pictureFont() const { return m_picture.unzoomed(font()); }

    // The picture was fitted anew to the inner area: its size, its ratio or
    // both changed.
    virtual void pictureFitted() {}
    // What lies over the picture, in the part `target` of the inner area
    // repainted, the painter set to the picture's coordinates.
    virtual void paintOver(QPainter &painter, const QRect &target) = 0;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitPicture();
    void showDamage();

    ZoomedPicture m_picture;
    QRect m_damage;
};
