// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Canvas.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QRgb Paper = qRgb(255, 255, 255);
// Half the length of the crosshair's arms.
constexpr int CrosshairReach = 7;

// The dash patterns: which pixels along a line are drawn, repeating.
struct Pattern {
    std::array<bool, 9> on;
    int period;
};

const Pattern &patternOf(Canvas::LineStyle style)
{
    constexpr bool X = true, _ = false;
    static const std::array<Pattern, 4> patterns{{
        {{X}, 1},                         // solid
        {{X, X, X, X, _, _}, 6},          // dash
        {{X, _, _}, 3},                   // dot
        {{X, X, X, X, _, _, X, _, _}, 9}, // dash-dot
    }};
    return patterns[int(style)];
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

bool isFinite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

Canvas::Canvas(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    fitPicture();
}

void Canvas::clear()
{
    m_picture.fill(Paper);
    damage(QRect(QPoint(0, 0), m_size));
}

void Canvas::drawDot(QPointF centre, int width, const QColor &colour)
{
    plotDots(&centre, 1, width, colour);
}

void Canvas::drawDots(const QList<QPointF> &centres, int width, const QColor &colour)
{
    plotDots(centres.constData(), centres.size(), width, colour);
}

// A dot is the device pixels whose centres lie within half the width of the
// centre of the pixel at its centre. A redraw of a full board plots 32,767
// dots: the picture is detached and the damage reported once for all.
void Canvas::plotDots(const QPointF *centres, qsizetype count, int width, const QColor &colour)
{
    if (m_picture.isNull() || count == 0)
        return;
    const qreal ratio = m_picture.devicePixelRatio();
    const double radius = std::max(1, width) * ratio / 2;
    const QRgb pixel = colour.rgb();
    QRgb *bits = reinterpret_cast<QRgb *>(m_picture.bits());
    const qsizetype stride = m_picture.bytesPerLine() / qsizetype(sizeof(QRgb));
    const int frameWidth = m_picture.width(), frameHeight = m_picture.height();
    QRect touched;
    for (const QPointF *centre = centres; centre != centres + count; ++centre) {
        const double left = (centre->x() + 0.5) * ratio - radius;
        const double top = (centre->y() + 0.5) * ratio - radius;
        // Far outside, or not a number: nothing to draw, and no integer overflow.
        if (!(left + 2 * radius >= 0 && top + 2 * radius >= 0 && left < frameWidth && top < frameHeight))
            continue;
        const int x = int(std::floor(left)), y = int(std::floor(top));
        const QPointF fraction(left - x, top - y);
        const DotStamp &stamp = m_stamp.fits(width, ratio, fraction, stride) ? m_stamp : stampFor(width, ratio, fraction);
        const QRect box(QPoint(x, y), stamp.box);
        if (x >= 0 && y >= 0 && box.right() < frameWidth && box.bottom() < frameHeight) {
            QRgb *origin = bits + y * stride + x;
            for (qsizetype offset : stamp.offsets)
                origin[offset] = pixel;
        } else {
            for (QPoint p : stamp.pixels) {
                const QPoint at = QPoint(x, y) + p;
                if (at.x() >= 0 && at.y() >= 0 && at.x() < frameWidth && at.y() < frameHeight)
                    bits[at.y() * stride + at.x()] = pixel;
            }
        }
        touched |= box;
    }
    const QRect inside = touched & m_picture.rect();
    if (inside.isEmpty())
        return;
    damage(QRect(QPoint(int(std::floor(inside.left() / ratio)), int(std::floor(inside.top() / ratio))),
                 QPoint(int(std::ceil(inside.right() / ratio)), int(std::ceil(inside.bottom() / ratio)))));
}

// The pixels of a dot, worked out once for every dot of one width whose box
// starts at the same fraction of a pixel: all dots at whole coordinates.
const Canvas::DotStamp &Canvas::stampFor(int width, qreal ratio, QPointF fraction)
{
    const qsizetype stride = m_picture.bytesPerLine() / qsizetype(sizeof(QRgb));
    const double radius = std::max(1, width) * ratio / 2;
    const QPointF centre = fraction + QPointF(radius, radius);
    const QSize box(int(std::ceil(fraction.x() + 2 * radius)) + 1, int(std::ceil(fraction.y() + 2 * radius)) + 1);
    m_stamp = {width, ratio, fraction, stride, box, {}, {}};
    for (int j = 0; j < box.height(); ++j) {
        const double dy = j + 0.5 - centre.y();
        for (int i = 0; i < box.width(); ++i) {
            const double dx = i + 0.5 - centre.x();
            if (dx * dx + dy * dy <= radius * radius) {
                m_stamp.pixels.append(QPoint(i, j));
                m_stamp.offsets.append(j * stride + i);
            }
        }
    }
    return m_stamp;
}

void Canvas::drawLine(QPointF from, QPointF to, int width, LineStyle style, const QColor &colour)
{
    if (m_picture.isNull() || !isFinite(from) || !isFinite(to))
        return;
    if (width > 1) {
        drawWideLine(from, to, width, colour);
        return;
    }
    // Only the part that can touch the picture is walked: a line far outside
    // costs nothing.
    const QPointF delta = to - from;
    double t0, t1;
    if (!clipSegment(from, delta, QRectF(QPointF(-1, -1), QPointF(m_size.width(), m_size.height())), t0, t1))
        return;
    const QPoint start = (from + t0 * delta).toPoint();
    const QPoint end = (from + t1 * delta).toPoint();
    drawThinLine(start, end, style, colour.rgb());
    // Both end pixels, whichever way the line runs.
    damage(QRect(start, QSize(1, 1)) | QRect(end, QSize(1, 1)));
}

// A one-pixel line in the style (Bresenham), both end pixels included; the
// pattern starts afresh at the first pixel.
void Canvas::drawThinLine(QPoint from, QPoint to, LineStyle style, QRgb pixel)
{
    const Pattern &pattern = patternOf(style);
    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    const bool direct = m_picture.devicePixelRatio() == 1;
    QRgb *bits = reinterpret_cast<QRgb *>(m_picture.bits());
    const qsizetype stride = m_picture.bytesPerLine() / qsizetype(sizeof(QRgb));
    const QRect inside = m_picture.rect();
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

// Lines wider than one pixel are solid, with round ends.
void Canvas::drawWideLine(QPointF from, QPointF to, int width, const QColor &colour)
{
    QPainter painter(&m_picture);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(from, to));
    const QRectF span = QRectF(from, to).normalized().adjusted(-width, -width, width, width);
    damage(span.intersected(QRectF(QPointF(0, 0), QSizeF(m_size))).toAlignedRect());
}

// A logical pixel on a high-DPI picture: a block of device pixels.
void Canvas::fillLogicalPixel(int x, int y, QRgb pixel)
{
    const double ratio = m_picture.devicePixelRatio();
    const int size = std::max(1, int(std::lround(ratio)));
    const int left = int(std::lround(x * ratio)), top = int(std::lround(y * ratio));
    for (int j = std::max(0, top); j < std::min(m_picture.height(), top + size); ++j) {
        QRgb *line = reinterpret_cast<QRgb *>(m_picture.scanLine(j));
        for (int i = std::max(0, left); i < std::min(m_picture.width(), left + size); ++i)
            line[i] = pixel;
    }
}

void Canvas::paintEvent(QPaintEvent *event)
{
    if (!qFuzzyCompare(devicePixelRatioF(), m_picture.devicePixelRatio()))
        fitPicture();
    QFrame::paintEvent(event);

    // Only the damaged part of the inner area is copied from the picture.
    const QRect target = event->rect() & contentsRect();
    if (target.isEmpty())
        return;
    const qreal ratio = m_picture.devicePixelRatio();
    const QRectF source(QPointF(target.topLeft() - contentsRect().topLeft()) * ratio, QSizeF(target.size()) * ratio);
    QPainter painter(this);
    painter.drawImage(QRectF(target), m_picture, source);
    if (showsKeyboardMarks())
        paintFocus(painter);
}

// The focus frame just inside the border, and the crosshair: a cross with an
// open centre, so that the pixel under it stays visible. The style's own
// focus frame would tint the whole picture.
void Canvas::paintFocus(QPainter &painter)
{
    painter.setClipRect(contentsRect());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));

    const QPointF centre = QPointF(contentsRect().topLeft() + m_crosshair) + QPointF(0.5, 0.5);
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        painter.drawLine(centre + 2 * direction, centre + CrosshairReach * direction);
}

void Canvas::setCrosshair(QPoint position)
{
    m_crosshairCentred = false;
    moveCrosshair(position);
}

void Canvas::centreCrosshair()
{
    m_crosshairCentred = true;
    moveCrosshair(QPoint(m_size.width() / 2, m_size.height() / 2));
}

void Canvas::moveCrosshair(QPoint position)
{
    const QRect inside(QPoint(0, 0), m_size);
    if (inside.isEmpty())
        return;
    const QPoint kept(std::clamp(position.x(), inside.left(), inside.right()),
                      std::clamp(position.y(), inside.top(), inside.bottom()));
    if (kept == m_crosshair)
        return;
    const QRect before = crosshairArea();
    m_crosshair = kept;
    if (showsKeyboardMarks())
        update(before | crosshairArea());
}

// Where the crosshair is drawn, in widget coordinates.
QRect Canvas::crosshairArea() const
{
    return QRect(m_crosshair, QSize(1, 1))
        .adjusted(-CrosshairReach - 1, -CrosshairReach - 1, CrosshairReach + 1, CrosshairReach + 1)
        .translated(contentsRect().topLeft());
}

// Shows or hides the focus frame and the crosshair.
void Canvas::setKeyboardInUse(bool inUse)
{
    if (inUse == m_keyboardInUse)
        return;
    m_keyboardInUse = inUse;
    update();
}

void Canvas::copyPicture() const
{
    QGuiApplication::clipboard()->setImage(m_picture);
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyPicture();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const QPoint arrow = event->key() == Qt::Key_Left    ? QPoint(-step, 0)
                         : event->key() == Qt::Key_Right ? QPoint(step, 0)
                         : event->key() == Qt::Key_Up    ? QPoint(0, -step)
                         : event->key() == Qt::Key_Down  ? QPoint(0, step)
                                                         : QPoint();
    if (!arrow.isNull()) {
        setKeyboardInUse(true);
        setCrosshair(m_crosshair + arrow);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pressed(m_crosshair, Qt::LeftButton);
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The marks follow how the focus came: by Tab, they show; by a click or
// from the program, they do not. Focus given back by the window, a popup
// menu or the menu bar keeps them as they were.
void Canvas::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason: setKeyboardInUse(true); break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: break;
    default: setKeyboardInUse(false);
    }
    update();
}

void Canvas::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
    const QPoint at(int(std::floor(inner.x())), int(std::floor(inner.y())));
    setKeyboardInUse(false);
    if (!area().contains(at))
        return; // a press on the border is not on the board
    emit pressed(at, event->button());
}

void Canvas::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitPicture();
}

// The picture follows the inner area's size and the screen's pixel ratio;
// what was drawn stays.
void Canvas::fitPicture()
{
    const QSize size = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    if (size == m_size && ratio == m_picture.devicePixelRatio() && !m_picture.isNull())
        return;
    QImage fitted(size * ratio, QImage::Format_RGB32);
    fitted.setDevicePixelRatio(ratio);
    fitted.fill(Paper);
    if (!m_picture.isNull()) {
        QPainter keep(&fitted);
        keep.drawImage(QPointF(0, 0), m_picture);
    }
    m_picture = fitted;
    m_size = size;
    if (m_crosshairCentred)
        centreCrosshair();
    else
        moveCrosshair(m_crosshair);
    damage(QRect(QPoint(0, 0), m_size));
}

// Damage is gathered into one rectangle and shown once control returns to
// the event loop, so a long drawing command schedules a single repaint.
void Canvas::damage(const QRect &area)
{
    const QRect clipped = area & QRect(QPoint(0, 0), m_size);
    if (clipped.isEmpty())
        return;
    if (m_damage.isEmpty())
        QMetaObject::invokeMethod(this, &Canvas::showDamage, Qt::QueuedConnection);
    m_damage |= clipped;
}

void Canvas::showDamage()
{
    update(m_damage.translated(contentsRect().topLeft()));
    m_damage = QRect();
}
