// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureFrame.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>

PictureFrame::PictureFrame(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitPicture();
}

void PictureFrame::setZoom(qreal zoom)
{
    if (!m_picture.setZoom(zoom, contentsRect().size()))
        return;
    fitPicture();
    update();
}

void PictureFrame::paintEvent(QPaintEvent *event)
{
    if (!m_picture.fitsScreen(devicePixelRatioF()))
        fitPicture();
    QFrame::paintEvent(event);

    const QRect target = event->rect() & contentsRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setClipRect(target);
    m_picture.paint(painter, target, contentsRect(), devicePixelRatioF());
    painter.setTransform(m_picture.toWidget());
    paintOver(painter, target);
}

void PictureFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_picture.innerResized();
    fitPicture();
}

void PictureFrame::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::ContentsRectChange)
        fitPicture();
}

// The picture follows the inner area's size at 100 % and the screen's
// pixel ratio times the zoom; what was drawn stays, and at another ratio it
// is drawn afresh, sharp.
void PictureFrame::fitPicture()
{
    if (!m_picture.fit(contentsRect().topLeft(), area().size(), devicePixelRatioF()))
        return;
    pictureFitted();
    damage(area());
}

// Damage is gathered into one rectangle and shown once control returns to
// the event loop, so a long drawing command schedules a single repaint.
void PictureFrame::damage(const QRect &area)
{
    const QRect clipped = area & m_picture.area();
    if (clipped.isEmpty())
        return;
    if (m_damage.isEmpty())
        QMetaObject::invokeMethod(this, &PictureFrame::showDamage, Qt::QueuedConnection);
    m_damage |= clipped;
}

void PictureFrame::showDamage()
{
    update(onWidget(QRectF(m_damage)) & contentsRect());
    m_damage = QRect();
}
