// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <memory>
#include <vector>

class QColor;

// The board's picture: white paper that keeps what is drawn on it until it
// is cleared. A plain value: copies are cheap until one of them is drawn on,
// so a picture can be kept (for undo, the clipboard, printing) apart from
// the canvas that shows it.
//
// Coordinates are logical pixels from the top-left corner. The pixels are
// kept at a device pixel ratio, so that the picture stays crisp on high-DPI
// screens and projectors: a logical pixel is a block of device pixels.
// Dots and one-pixel lines are written straight into the pixels: a polygon
// of 32,767 vertices draws 65,000 lines, and a painter's dashed lines cost
// ten times as much.
//
// Every drawing call returns the logical rectangle it changed, empty when it
// changed nothing, for whoever shows the picture to repaint.
class Picture
{
public:
    enum class LineStyle { Solid, Dash, Dot, DashDot };

    Picture() = default;
    // White, `size` logical pixels at `ratio` device pixels each.
    Picture(QSize size, qreal ratio);

    QSize size() const { return m_size; }
    QRect area() const { return QRect(QPoint(0, 0), m_size); }
    qreal devicePixelRatio() const { return m_image.devicePixelRatio(); }
    const QImage &image() const { return m_image; }

    // Erases the picture to white, or a part of it.
    QRect clear();
    QRect clear(const QRect &part);
    // A round dot `width` pixels across, centred on the pixel at `centre`.
    QRect drawDot(QPointF centre, int width, const QColor &colour);
    // The same for many dots at once, as fast as the pixels can be written.
    QRect drawDots(const QPointF *centres, qsizetype count, int width, const QColor &colour);
    // Their pixels in `within` alone.
    QRect drawDots(const QPointF *centres, qsizetype count, int width, const QColor &colour, const QRect &within);
    // A line one logical pixel wide, both end pixels included; the style's
    // pattern starts afresh at its first pixel. At a ratio its pixels are
    // the ratio's whole device pixels wide across it, wherever it runs:
    // every line equally wide, where the pixels themselves, at 175 %, are
    // one or two device pixels in turn.
    QRect drawLine(QPointF from, QPointF to, LineStyle style, const QColor &colour);
    // Its pixels in `within` alone, the very pixels the whole line has there:
    // a part of the picture drawn again.
    QRect drawLine(QPointF from, QPointF to, LineStyle style, const QColor &colour, const QRect &within);

    // The picture at another size or device pixel ratio: what was drawn
    // stays where it was, and a larger area is white.
    Picture fitted(QSize size, qreal ratio) const;
    // This picture, drawn at one device pixel a pixel, at `ratio`: each of
    // its pixels that is not white fills the device pixels of that pixel
    // there, as wide across its line as drawLine's, as the lines drawn on it
    // would have been drawn at `ratio` (but where a white line crossed a
    // black one). A full board's fan is drawn so at a zoom in the time it
    // takes at 100 %.
    Picture atRatio(qreal ratio) const;
    // The part of `lines`, drawn at one device pixel a pixel, in place of
    // the same part of this picture, as atRatio() gives it at this ratio;
    // returns the pixels taken over, at a ratio a pixel more all round.
    QRect takeOver(const Picture &lines, const QRect &part);

    // The same pixels, at the same ratio.
    friend bool operator==(const Picture &a, const Picture &b) { return a.m_image == b.m_image; }
    friend bool operator!=(const Picture &a, const Picture &b) { return !(a == b); }

private:
    // The device pixels of a dot, from the top-left corner of its box,
    // worked out once for every dot of one width whose box starts at the
    // same fraction of a pixel: all dots at whole coordinates.
    struct DotStamp {
        int width = 0;
        QPointF fraction;
        QSize box;
        QList<QPoint> pixels;
        QList<qsizetype> offsets; // the same pixels in the image's memory

        bool fits(int w, QPointF f) const
        {
            // Exactly the same fraction: QPointF's own == is fuzzy.
            return width == w && fraction.x() == f.x() && fraction.y() == f.y();
        }
    };

    // Where each logical column and row starts among the device pixels, the
    // next one's start ending it: worked out once for the picture's size and
    // ratio, so that a line at a zoom fills its pixels without a rounding
    // per pixel.
    struct DeviceGrid {
        std::vector<int> columns;
        std::vector<int> rows;
        int stroke = 1; // a line's width across it: the ratio's whole device pixels

        QRect blockOf(QPoint p) const
        {
            return QRect(QPoint(columns[size_t(p.x())], rows[size_t(p.y())]),
                         QPoint(columns[size_t(p.x()) + 1] - 1, rows[size_t(p.y()) + 1] - 1));
        }
    };
    // Which way a line's pixel is cut to the stroke's width.
    enum class Across { Rows, Columns, Neither };

    QRect plotDots(const QPointF *centres, qsizetype count, int width, const QColor &colour, const QRect &frame);
    const DotStamp &stampFor(int width, QPointF fraction);
    void drawPixels(QPoint from, QPoint to, LineStyle style, QRgb pixel, const QRect &within);
    QRect devicePixelsOf(QPoint logical) const;
    QRect devicePixelsCovering(const QRect &logical) const;
    QRect stroked(const QRect &block, Across across) const;
    void fillDevicePixels(const QRect &pixels, QRgb pixel);
    QRect logicalArea(const QRect &devicePixels) const;

    QSize m_size;
    QImage m_image;
    // The stamps of the fractions met so far: at 125 % a full board's dots
    // start at sixteen fractions of a device pixel, in turn.
    std::vector<DotStamp> m_stamps;
    std::shared_ptr<const DeviceGrid> m_grid; // at a ratio other than 1
};
