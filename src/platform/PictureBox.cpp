#include "platform/PictureBox.h"

#include "platform/CanvasWidget.h"
#include "platform/Conversions.h"

#include <QMetaObject>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The dash patterns: which pixels along the line are drawn, repeating.
struct Pattern {
    std::array<bool, 9> on;
    int period;
};

const Pattern &patternOf(int drawStyle)
{
    constexpr bool X = true, _ = false;
    static const std::array<Pattern, 4> patterns{{
        {{X}, 1},                         // solid
        {{X, X, X, X, _, _}, 6},          // dash
        {{X, _, _}, 3},                   // dot
        {{X, X, X, X, _, _, X, _, _}, 9}, // dash-dot
    }};
    return patterns[drawStyle];
}

// Liang-Barsky: the part of the segment from p to p + d inside `box`, as the
// interval [t0, t1] of its parameter; false when nothing is inside.
bool clipSegment(QPointF p, QPointF d, const QRectF &box, double &t0, double &t1)
{
    t0 = 0;
    t1 = 1;
    const double q[4] = {p.x() - box.left(), box.right() - p.x(), p.y() - box.top(), box.bottom() - p.y()};
    const double r[4] = {-d.x(), d.x(), -d.y(), d.y()};
    for (int i = 0; i < 4; ++i) {
        if (r[i] == 0) {
            if (q[i] < 0)
                return false;
        } else if (r[i] < 0) {
            t0 = std::max(t0, q[i] / r[i]);
        } else {
            t1 = std::min(t1, q[i] / r[i]);
        }
    }
    return t0 <= t1;
}

} // namespace

PictureBox::PictureBox(QObject *parent)
    : QObject(parent), m_view(new CanvasWidget(this))
{
}

PictureBox::~PictureBox()
{
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
    m_image.fill(ToQRgb(m_backColor));
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

void PictureBox::Resize(QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize == m_size && devicePixelRatio == m_image.devicePixelRatio())
        return;
    QImage resized(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    resized.setDevicePixelRatio(devicePixelRatio);
    resized.fill(ToQRgb(m_backColor));
    if (!m_image.isNull()) {
        QPainter keep(&resized);
        keep.drawImage(QPointF(0, 0), m_image); // what was drawn stays
    }
    m_image = resized;
    m_size = logicalSize;
    damage(QRect(QPoint(0, 0), m_size));
}

// A round dot as wide as the pen, centred on the pixel (x, y): the device
// pixels whose centres lie within half the pen width of the pixel's centre.
void PictureBox::plotDot(float x, float y, qint32 colour)
{
    if (m_image.isNull())
        return;
    const double ratio = m_image.devicePixelRatio();
    const double cx = (double(x) + 0.5) * ratio;
    const double cy = (double(y) + 0.5) * ratio;
    const double radius = m_drawWidth * ratio / 2;
    // Far outside (or not a number): nothing to plot, and no integer overflow.
    if (!(cx + radius >= 0 && cy + radius >= 0 && cx - radius < m_image.width()
          && cy - radius < m_image.height()))
        return;
    const int left = std::max(0, int(std::floor(cx - radius)));
    const int top = std::max(0, int(std::floor(cy - radius)));
    const int right = std::min(m_image.width() - 1, int(std::ceil(cx + radius)));
    const int bottom = std::min(m_image.height() - 1, int(std::ceil(cy + radius)));
    if (left > right || top > bottom)
        return;

    const QRgb pixel = ToQRgb(colour);
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
    if (m_image.isNull() || !std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    if (m_drawWidth > 1) {
        drawWideLine(x1, y1, x2, y2, colour);
        return;
    }
    // Only the part that can touch the picture is walked: a line far outside
    // costs nothing.
    const QPointF from(x1, y1), delta(x2 - x1, y2 - y1);
    double t0, t1;
    if (!clipSegment(from, delta, QRectF(QPointF(-1, -1), QPointF(m_size.width(), m_size.height())), t0, t1))
        return;
    const QPoint start = (from + t0 * delta).toPoint();
    const QPoint end = (from + t1 * delta).toPoint();
    drawThinLine(start, end, colour);
    damage(QRect(start, end).normalized());
}

// A one-pixel line in the draw style (Bresenham), both end pixels included;
// the pattern starts afresh at the first pixel.
void PictureBox::drawThinLine(QPoint from, QPoint to, qint32 colour)
{
    const Pattern &pattern = patternOf(m_drawStyle);
    const QRgb pixel = ToQRgb(colour);
    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    const bool direct = m_image.devicePixelRatio() == 1;
    QRgb *bits = reinterpret_cast<QRgb *>(m_image.bits());
    const qsizetype stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    const QRect inside = m_image.rect();
    int error = dx + dy;
    int phase = 0;
    for (QPoint p = from;;) {
        if (pattern.on[phase]) {
            if (!direct)
                fillLogicalPixel(p.x(), p.y(), pixel);
            else if (inside.contains(p))
                bits[p.y() * stride + p.x()] = pixel;
        }
        if (p == to)
            break;
        phase = phase + 1 == pattern.period ? 0 : phase + 1;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
}

// Pens wider than one pixel draw solid lines with round ends.
void PictureBox::drawWideLine(float x1, float y1, float x2, float y2, qint32 colour)
{
    QPainter painter(&m_image);
    painter.setPen(QPen(QColor(ToQRgb(colour)), m_drawWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(x1, y1, x2, y2));
    const double pad = m_drawWidth;
    const QRectF span = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(-pad, -pad, pad, pad);
    damage(span.intersected(QRectF(QPointF(0, 0), QSizeF(m_size))).toAlignedRect());
}

// A logical pixel on a high-DPI picture: a block of device pixels.
void PictureBox::fillLogicalPixel(int x, int y, QRgb pixel)
{
    const double ratio = m_image.devicePixelRatio();
    const int size = std::max(1, int(std::lround(ratio)));
    const int left = int(std::lround(x * ratio)), top = int(std::lround(y * ratio));
    for (int j = std::max(0, top); j < std::min(m_image.height(), top + size); ++j) {
        QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(j));
        for (int i = std::max(0, left); i < std::min(m_image.width(), left + size); ++i)
            line[i] = pixel;
    }
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
