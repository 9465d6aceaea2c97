#include "platform/CanvasWidget.h"

#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

CanvasWidget::CanvasWidget(PictureBox *picture)
    : m_picture(picture)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(picture, &PictureBox::Damaged, this, &CanvasWidget::showDamage);
    fitPicture();
}

void CanvasWidget::paintEvent(QPaintEvent *event)
{
    if (!qFuzzyCompare(devicePixelRatioF(), m_picture->Image().devicePixelRatio()))
        fitPicture();
    QFrame::paintEvent(event);

    // Only the damaged part of the inner area is copied from the picture.
    const QRect target = event->rect() & contentsRect();
    if (target.isEmpty())
        return;
    const QImage &image = m_picture->Image();
    const qreal ratio = image.devicePixelRatio();
    const QRectF source(QPointF(toPicture(target.topLeft())) * ratio, QSizeF(target.size()) * ratio);
    QPainter painter(this);
    painter.drawImage(QRectF(target), image, source);
}

void CanvasWidget::mousePressEvent(QMouseEvent *event)
{
    const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
    const int x = int(std::floor(inner.x()));
    const int y = int(std::floor(inner.y()));
    if (x < 0 || y < 0 || x >= contentsRect().width() || y >= contentsRect().height())
        return; // a press on the border is not on the board
    emit m_picture->MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                              float(x), float(y));
}

void CanvasWidget::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitPicture();
}

void CanvasWidget::showDamage(const QRect &pictureArea)
{
    update(pictureArea.translated(contentsRect().topLeft()));
}

void CanvasWidget::fitPicture()
{
    m_picture->Resize(contentsRect().size(), devicePixelRatioF());
}
