// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Picture.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <cmath>

namespace {

const QRgb Paper = qRgb(255, 255, 255);

// How many dot stamps a picture keeps at the most.
constexpr size_t MostStamps = 64;

// The dash patterns: which pixels along a line are drawn, repeating.
struct Pattern {
    std::array<bool, 9> on;
    int period;
};

const Pattern &patternOf(Picture::LineStyle style)
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

qsizetype pixelsPerLine(const QImage &image)
{
    return image.bytesPerLine() / qsizetype(sizeof(QRgb));
}

// Where a walk along a line stands: in the picture's memory, where a step
// along X is the next pixel and a step along Y the next row,
struct PixelWalk {
    QRgb *bits;
    qsizetype at;
    int xStep;
    qsizetype yStep;
    QRgb pixel;

    void plot() { bits[at] = pixel; }
    void stepX() { at += xStep; }
    void stepY() { at += yStep; }
    void jump(int xSteps, int ySteps) { at += xSteps * xStep + ySteps * yStep; }
};

// or at a logical pixel, which `plotAt` fills.
template <typename Plot>
struct PointWalk {
    QPoint at;
    QPoint step;
    Plot plotAt;

    void plot() { plotAt(at); }
    void stepX() { at.rx() += step.x(); }
    void stepY() { at.ry() += step.y(); }
    void jump(int xSteps, int ySteps) { at += QPoint(xSteps * step.x(), ySteps * step.y()); }
};
template <typename Plot>
PointWalk(QPoint, QPoint, Plot) -> PointWalk<Plot>;

// Which of a walk's steps are plotted: `first` to `last`, both included.
struct StepRange {
    qint64 first = 0;
    qint64 last = std::numeric_limits<int>::max();
};

// a / b rounded down and up, for b > 0.
qint64 floorDivision(qint64 a, qint64 b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

qint64 ceilDivision(qint64 a, qint64 b)
{
    return -floorDivision(-a, b);
}

// Bresenham's walk below goes a step along its major axis every time, and
// one along the minor axis as well whenever (2m + 1)·major ≤ 2·minor·s, m
// the steps along it so far and s the steps in all: after s steps, m is
// this.
qint64 minorSteps(qint64 steps, qint64 major, qint64 minor)
{
    return major == 0 ? 0 : floorDivision(2 * minor * steps + major, 2 * major);
}

// The steps of a walk from `from` to `to` whose pixels lie in `within`: a
// few of a long line, where they cross a small rectangle.
StepRange stepsWithin(QPoint from, QPoint to, const QRect &within)
{
    const bool alongX = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const auto axis = [alongX](QPoint p, bool major) { return major == alongX ? p.x() : p.y(); };
    const qint64 major = std::abs(axis(to, true) - axis(from, true));
    const qint64 minor = std::abs(axis(to, false) - axis(from, false));
    // How far along each axis the walk may go, in steps of its own.
    const auto reach = [&](bool onMajor) {
        const qint64 start = axis(from, onMajor), lowest = axis(within.topLeft(), onMajor),
                     highest = axis(within.bottomRight(), onMajor);
        return axis(to, onMajor) >= start ? std::pair(lowest - start, highest - start)
                                          : std::pair(start - highest, start - lowest);
    };
    const auto [majorLow, majorHigh] = reach(true);
    const auto [minorLow, minorHigh] = reach(false);
    StepRange range{std::max<qint64>(0, majorLow), std::min(major, majorHigh)};
    if (minor == 0) {
        if (minorLow > 0 || minorHigh < 0)
            return {1, 0};
    } else {
        range.first = std::max(range.first, ceilDivision(2 * major * minorLow - major, 2 * minor));
        range.last = std::min(range.last, floorDivision(2 * major * (minorHigh + 1) - major - 1, 2 * minor));
    }
    return range;
}

// Bresenham's walk from one end pixel to the other, both included: as many
// steps as the line is long along its major axis, each along X, Y or both,
// the pixels plotted where the pattern is on; those of `range` alone,
// the walk starting at the first of them as if it had come all the way.
template <typename Walk>
void walkLine(QPoint from, QPoint to, const Pattern &pattern, Walk walk, StepRange range = {})
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int first = int(std::max<qint64>(range.first, 0));
    const int last = int(std::min<qint64>(range.last, std::max(dx, -dy)));
    if (first > last)
        return;
    const bool alongX = dx >= -dy;
    const int minor = int(minorSteps(first, alongX ? dx : -dy, alongX ? -dy : dx));
    const int xSteps = alongX ? first : minor, ySteps = alongX ? minor : first;
    walk.jump(xSteps, ySteps);
    int error = dx + dy + xSteps * dy + ySteps * dx;
    int phase = first % pattern.period;
    for (int step = first;; ++step) {
        if (pattern.on[phase])
            walk.plot();
        if (step == last)
            return;
        phase = phase + 1 == pattern.period ? 0 : phase + 1;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            walk.stepX();
        }
        if (twice <= dx) {
            error += dx;
            walk.stepY();
        }
    }
}

} // namespace

Picture::Picture(QSize size, qreal ratio)
    : m_size(size), m_image(size * ratio, QImage::Format_RGB32)
{
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Paper);
    if (ratio == 1 || m_image.isNull())
        return;
    auto grid = std::make_shared<DeviceGrid>();
    for (int x = 0; x <= size.width(); ++x)
        grid->columns.push_back(devicePixelsOf(QPoint(x, 0)).left());
    for (int y = 0; y <= size.height(); ++y)
        grid->rows.push_back(devicePixelsOf(QPoint(0, y)).top());
    grid->stroke = int(std::floor(ratio + 1e-6));
    m_grid = std::move(grid);
}

QRect Picture::clear()
{
    m_image.fill(Paper);
    return area();
}

QRect Picture::clear(const QRect &part)
{
    const QRect cleared = part & area();
    if (!cleared.isEmpty())
        fillDevicePixels(devicePixelsCovering(cleared), Paper);
    return cleared;
}

QRect Picture::drawDot(QPointF centre, int width, const QColor &colour)
{
    return plotDots(&centre, 1, width, colour, m_image.rect());
}

QRect Picture::drawDots(const QPointF *centres, qsizetype count, int width, const QColor &colour)
{
    return plotDots(centres, count, width, colour, m_image.rect());
}

QRect Picture::drawDots(const QPointF *centres, qsizetype count, int width, const QColor &colour, const QRect &within)
{
    const QRect part = within & area();
    return part.isEmpty() ? QRect() : plotDots(centres, count, width, colour, devicePixelsCovering(part));
}

// A dot is the device pixels whose centres lie within half the width of the
// centre of the logical pixel at its centre. A full board plots 32,767 dots
// in one call: the image is detached once for all. Only the device pixels
// of `frame` are plotted.
QRect Picture::plotDots(const QPointF *centres, qsizetype count, int width, const QColor &colour, const QRect &frame)
{
    if (m_image.isNull() || count == 0)
        return {};
    const qreal ratio = devicePixelRatio();
    const double radius = std::max(1, width) * ratio / 2;
    const QRgb pixel = colour.rgb();
    QRgb *bits = reinterpret_cast<QRgb *>(m_image.bits());
    const qsizetype stride = pixelsPerLine(m_image);
    const int imageWidth = m_image.width(), imageHeight = m_image.height();
    QRect touched;
    for (const QPointF *centre = centres; centre != centres + count; ++centre) {
        const double left = (centre->x() + 0.5) * ratio - radius;
        const double top = (centre->y() + 0.5) * ratio - radius;
        // Far outside, or not a number: nothing to draw, and no integer overflow.
        if (!(left + 2 * radius >= 0 && top + 2 * radius >= 0 && left < imageWidth && top < imageHeight))
            continue;
        const int x = int(std::floor(left)), y = int(std::floor(top));
        const QPointF fraction(left - x, top - y);
        const DotStamp &stamp = stampFor(width, fraction);
        const QRect box(QPoint(x, y), stamp.box);
        if (frame.contains(box)) {
            QRgb *origin = bits + y * stride + x;
            for (qsizetype offset : stamp.offsets)
                origin[offset] = pixel;
        } else if (box.intersects(frame)) {
            for (QPoint p : stamp.pixels) {
                const QPoint at = QPoint(x, y) + p;
                if (frame.contains(at))
                    bits[at.y() * stride + at.x()] = pixel;
            }
        }
        touched |= box & frame;
    }
    return logicalArea(touched);
}

const Picture::DotStamp &Picture::stampFor(int width, QPointF fraction)
{
    for (const DotStamp &stamp : m_stamps)
        if (stamp.fits(width, fraction))
            return stamp;
    // Fractions that never repeat, as at a ratio of no simple fraction, are
    // not kept without bound.
    if (m_stamps.size() >= MostStamps)
        m_stamps.clear();
    const qsizetype stride = pixelsPerLine(m_image);
    const double radius = std::max(1, width) * devicePixelRatio() / 2;
    const QPointF centre = fraction + QPointF(radius, radius);
    const QSize box(int(std::ceil(fraction.x() + 2 * radius)) + 1, int(std::ceil(fraction.y() + 2 * radius)) + 1);
    DotStamp &stamp = m_stamps.emplace_back(DotStamp{width, fraction, box, {}, {}});
    for (int j = 0; j < box.height(); ++j) {
        const double dy = j + 0.5 - centre.y();
        for (int i = 0; i < box.width(); ++i) {
            const double dx = i + 0.5 - centre.x();
            if (dx * dx + dy * dy <= radius * radius) {
                stamp.pixels.append(QPoint(i, j));
                stamp.offsets.append(j * stride + i);
            }
        }
    }
    return stamp;
}

QRect Picture::drawLine(QPointF from, QPointF to, LineStyle style, const QColor &colour)
{
    return drawLine(from, to, style, colour, area());
}

QRect Picture::drawLine(QPointF from, QPointF to, LineStyle style, const QColor &colour, const QRect &within)
{
    if (m_image.isNull() || !isFinite(from) || !isFinite(to))
        return {};
    // Only the part that can touch the picture is walked: a line far outside
    // costs nothing.
    const QPointF delta = to - from;
    double t0, t1;
    if (!clipSegment(from, delta, QRectF(QPointF(-1, -1), QPointF(m_size.width(), m_size.height())), t0, t1))
        return {};
    const QPoint start = (from + t0 * delta).toPoint();
    const QPoint end = (from + t1 * delta).toPoint();
    if (!QRect(start, end).normalized().intersects(within))
        return {};
    drawPixels(start, end, style, colour.rgb(), within & area());
    // Both end pixels, whichever way the line runs.
    return (QRect(start, QSize(1, 1)) | QRect(end, QSize(1, 1))) & within & area();
}

// The line's pixels in `within`, both ends included, in logical pixels.
// Only the steps whose pixels lie there are walked, all of them for a line
// wholly inside, as every line of a board's figure is: no pixel needs a
// check. At one device pixel a logical pixel, the walk is a pointer into
// the pixels that steps to the next one or to the next row.
void Picture::drawPixels(QPoint from, QPoint to, LineStyle style, QRgb pixel, const QRect &within)
{
    const Pattern &pattern = patternOf(style);
    const QPoint step(from.x() < to.x() ? 1 : -1, from.y() < to.y() ? 1 : -1);
    const StepRange steps = within.contains(from) && within.contains(to) ? StepRange{} : stepsWithin(from, to, within);
    // Across the line, its pixels are as wide at every pixel.
    const Across across = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y()) ? Across::Rows : Across::Columns;
    if (m_grid) {
        const auto fill = [&](QPoint p) { fillDevicePixels(stroked(m_grid->blockOf(p), across), pixel); };
        walkLine(from, to, pattern, PointWalk{from, step, fill}, steps);
    } else {
        const qsizetype stride = pixelsPerLine(m_image);
        QRgb *bits = reinterpret_cast<QRgb *>(m_image.bits());
        walkLine(from, to, pattern, PixelWalk{bits, from.y() * stride + from.x(), step.x(), step.y() * stride, pixel}, steps);
    }
}

// A logical pixel's device pixels: those whose centres lie inside it, so
// that neighbouring logical pixels neither overlap nor leave a gap, at any
// ratio.
QRect Picture::devicePixelsOf(QPoint logical) const
{
    const double ratio = devicePixelRatio();
    const auto firstInside = [ratio](int x) { return int(std::ceil(x * ratio - 0.5)); };
    return QRect(QPoint(firstInside(logical.x()), firstInside(logical.y())),
                 QPoint(firstInside(logical.x() + 1) - 1, firstInside(logical.y() + 1) - 1));
}

QRect Picture::devicePixelsCovering(const QRect &logical) const
{
    return (devicePixelsOf(logical.topLeft()) | devicePixelsOf(logical.bottomRight())) & m_image.rect();
}

// A line's pixel: its device pixels along the line, and the stroke's
// across it, which every pixel has.
QRect Picture::stroked(const QRect &block, Across across) const
{
    const int stroke = m_grid ? m_grid->stroke : 1;
    return across == Across::Rows ? QRect(block.topLeft(), QSize(block.width(), stroke))
        : across == Across::Columns ? QRect(block.topLeft(), QSize(stroke, block.height()))
                                    : block;
}

void Picture::fillDevicePixels(const QRect &pixels, QRgb pixel)
{
    if (pixels.isEmpty())
        return;
    const qsizetype stride = pixelsPerLine(m_image);
    QRgb *row = reinterpret_cast<QRgb *>(m_image.bits()) + pixels.top() * stride + pixels.left();
    for (int j = 0; j < pixels.height(); ++j, row += stride)
        std::fill(row, row + pixels.width(), pixel);
}

// The logical pixels that cover some device pixels, within the picture.
QRect Picture::logicalArea(const QRect &devicePixels) const
{
    const QRect inside = devicePixels & m_image.rect();
    if (inside.isEmpty())
        return {};
    const qreal ratio = devicePixelRatio();
    return QRect(QPoint(int(std::floor(inside.left() / ratio)), int(std::floor(inside.top() / ratio))),
                 QPoint(int(std::ceil((inside.right() + 1) / ratio)) - 1,
                        int(std::ceil((inside.bottom() + 1) / ratio)) - 1))
        & area();
}

Picture Picture::fitted(QSize size, qreal ratio) const
{
    if (size == m_size && ratio == devicePixelRatio() && !m_image.isNull())
        return *this;
    Picture fitted(size, ratio);
    if (!m_image.isNull()) {
        QPainter keep(&fitted.m_image);
        keep.drawImage(QPointF(0, 0), m_image);
    }
    return fitted;
}

Picture Picture::atRatio(qreal ratio) const
{
    Picture larger(m_size, ratio);
    if (!larger.m_grid || m_image.isNull() || devicePixelRatio() != 1)
        return larger.m_grid ? larger : *this;
    larger.takeOver(*this, area());
    return larger;
}

// A line's direction at a pixel is read from its neighbours: one above or
// below and none beside, a column; else a row, unless it meets another line
// there. A pixel next to the part changed may have changed its direction.
QRect Picture::takeOver(const Picture &lines, const QRect &part)
{
    if (lines.devicePixelRatio() != 1 || lines.size() != m_size)
        return {};
    if (!m_grid) {
        const QRect taken = part & area();
        for (int y = taken.top(); y <= taken.bottom(); ++y)
            std::copy_n(reinterpret_cast<const QRgb *>(lines.m_image.constScanLine(y)) + taken.left(), taken.width(),
                        reinterpret_cast<QRgb *>(m_image.scanLine(y)) + taken.left());
        return taken;
    }
    const QRect taken = part.adjusted(-1, -1, 1, 1) & area();
    if (taken.isEmpty())
        return {};
    fillDevicePixels(devicePixelsCovering(taken), Paper);
    const int width = m_size.width(), height = m_size.height();
    const auto inked = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height
            && reinterpret_cast<const QRgb *>(lines.m_image.constScanLine(y))[x] != Paper;
    };
    for (int y = taken.top(); y <= taken.bottom(); ++y)
        for (int x = taken.left(); x <= taken.right(); ++x) {
            if (!inked(x, y))
                continue;
            const bool beside = inked(x - 1, y) || inked(x + 1, y), aboveOrBelow = inked(x, y - 1) || inked(x, y + 1);
            const Across across = aboveOrBelow ? (beside ? Across::Neither : Across::Columns) : Across::Rows;
            fillDevicePixels(stroked(m_grid->blockOf({x, y}), across), lines.m_image.pixel(x, y));
        }
    return taken;
}
