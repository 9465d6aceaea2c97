#include "platform/PictureBox.h"

#include "platform/CanvasWidget.h"

#include <QMetaObject>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QRgb toQRgb(qint32 colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Qt::PenStyle penStyle(int drawStyle)
{
    switch (drawStyle) {
    case PictureBox::Dash: return Qt::DashLine;
    case PictureBox::Dot: return Qt::DotLine;
    case PictureBox::DashDot: return Qt::DashDotLine;
    default: return Qt::SolidLine;
    }
}

} // namespace

PictureBox::PictureBox(QObject *parent)
    : QObject(parent), m_view(new CanvasWidget(this))
{
}

PictureBox::~PictureBox()
{
    endPainting();
    delete m_view; // null once a window that adopted the view has deleted it
}

CanvasWidget *PictureBox::widget() const
{
    return m_view;
}

void PictureBox::SetBackColor(qint32 colour)
{
    m_backColor = colour;
    Cls();
}

void PictureBox::SetDrawWidth(int width)
{
    m_drawWidth = std::max(1, width);
}

void PictureBox::SetDrawStyle(int style)
{
    m_drawStyle = (style >= Solid && style <= DashDot) ? style : Solid;
}

void PictureBox::Cls()
{
    endPainting();
    m_image.fill(toQRgb(m_backColor));
    damage(QRect(QPoint(0, 0), m_size));
}

void PictureBox::PSet(float x, float y) { plotDot(x, y, m_foreColor); }
void PictureBox::PSet(float x, float y, qint32 colour) { plotDot(x, y, colour); }

void PictureBox::Line(float x1, float y1, float x2, float y2)
{
    drawLine(x1, y1, x2, y2, m_foreColor);
}

void PictureBox::Line(float x1, float y1, float x2, float y2, qint32 colour)
{
    drawLine(x1, y1, x2, y2, colour);
}

const QImage &PictureBox::Image()
{
    endPainting();
    return m_image;
}

void PictureBox::Resize(QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize == m_size && devicePixelRatio == m_image.devicePixelRatio())
        return;
    endPainting();
    QImage resized(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    resized.setDevicePixelRatio(devicePixelRatio);
    resized.fill(toQRgb(m_backColor));
    if (!m_image.isNull()) {
        QPainter keep(&resized);
        keep.drawImage(QPointF(0, 0), m_image); // what was drawn stays
    }
    m_image = resized;
    m_size = logicalSize;
    damage(QRect(QPoint(0, 0), m_size));
}

QPainter &PictureBox::painter()
{
    if (!m_painter)
        m_painter = std::make_unique<QPainter>(&m_image);
    return *m_painter;
}

void PictureBox::endPainting()
{
    m_painter.reset();
}

// A round dot as wide as the pen, centred on the pixel (x, y): the device
// pixels whose centres lie within half the pen width of the pixel's centre.
void PictureBox::plotDot(float x, float y, qint32 colour)
{
    if (m_image.isNull())
        return;
    endPainting();
    const double ratio = m_image.devicePixelRatio();
    const double cx = (double(x) + 0.5) * ratio;
    const double cy = (double(y) + 0.5) * ratio;
    const double radius = m_drawWidth * ratio / 2;
    const int left = std::max(0, int(std::floor(cx - radius)));
    const int top = std::max(0, int(std::floor(cy - radius)));
    const int right = std::min(m_image.width() - 1, int(std::ceil(cx + radius)));
    const int bottom = std::min(m_image.height() - 1, int(std::ceil(cy + radius)));
    if (left > right || top > bottom)
        return;

    const QRgb pixel = toQRgb(colour);
    for (int j = top; j <= bottom; ++j) {
        QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(j));
        const double dy = j + 0.5 - cy;
        for (int i = left; i <= right; ++i) {
            const double dx = i + 0.5 - cx;
            if (dx * dx + dy * dy <= radius * radius)
                line[i] = pixel;
        }
    }
    damage(QRect(QPoint(int(std::floor(left / ratio)), int(std::floor(top / ratio))),
                 QPoint(int(std::ceil(right / ratio)), int(std::ceil(bottom / ratio)))));
}

void PictureBox::drawLine(float x1, float y1, float x2, float y2, qint32 colour)
{
    if (m_image.isNull())
        return;
    // Lines wider than one pixel are always solid.
    const Qt::PenStyle style = m_drawWidth > 1 ? Qt::SolidLine : penStyle(m_drawStyle);
    QPainter &p = painter();
    p.setPen(QPen(QColor(toQRgb(colour)), m_drawWidth, style));
    p.drawLine(QLineF(x1, y1, x2, y2));

    const QRectF span = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    damage(span.toAlignedRect().adjusted(-m_drawWidth, -m_drawWidth, m_drawWidth, m_drawWidth));
}

// Damage is gathered into one rectangle and handed on once control returns
// to the event loop, so a long drawing command schedules a single repaint.
void PictureBox::damage(const QRect &area)
{
    const QRect clipped = area & QRect(QPoint(0, 0), m_size);
    if (clipped.isEmpty())
        return;
    if (m_damage.isEmpty())
        QMetaObject::invokeMethod(this, &PictureBox::flushDamage, Qt::QueuedConnection);
    m_damage |= clipped;
}

void PictureBox::flushDamage()
{
    const QRect area = m_damage;
    m_damage = QRect();
    if (!area.isEmpty())
        emit Damaged(area);
}
