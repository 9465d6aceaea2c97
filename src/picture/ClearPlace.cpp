// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClearPlace.h"

#include "Picture.h"

#include <cmath>
#include <vector>

namespace {

// How far apart the places tried stand, in the picture's pixels.
constexpr int Stride = 4;

// How many device pixels of the picture are drawn on in any rectangle, by
// a table of the sums above and left of each one.
class DrawnPixels
{
public:
    explicit DrawnPixels(const QImage &image)
        : m_width(image.width() + 1), m_sums(size_t(m_width) * size_t(image.height() + 1), 0),
          m_ratio(image.devicePixelRatio()), m_device(image.rect())
    {
        const QRgb paper = qRgb(255, 255, 255);
        for (int y = 0; y < image.height(); ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            qint64 line = 0;
            for (int x = 0; x < image.width(); ++x) {
                line += row[x] != paper;
                at(x + 1, y + 1) = at(x + 1, y) + line;
            }
        }
    }

    // In a rectangle of the picture's pixels.
    qint64 in(const QRect &area) const
    {
        const QRect device = QRect(QPoint(int(std::floor(area.left() * m_ratio)), int(std::floor(area.top() * m_ratio))),
                                   QPoint(int(std::ceil((area.right() + 1) * m_ratio)) - 1,
                                          int(std::ceil((area.bottom() + 1) * m_ratio)) - 1))
            & m_device;
        if (device.isEmpty())
            return 0;
        return at(device.right() + 1, device.bottom() + 1) - at(device.left(), device.bottom() + 1)
            - at(device.right() + 1, device.top()) + at(device.left(), device.top());
    }

private:
    qint64 &at(int x, int y) { return m_sums[size_t(y) * size_t(m_width) + size_t(x)]; }
    qint64 at(int x, int y) const { return m_sums[size_t(y) * size_t(m_width) + size_t(x)]; }

    int m_width;
    std::vector<qint64> m_sums;
    qreal m_ratio;
    QRect m_device;
};

} // namespace

QRect clearPlaceFor(const Picture &picture, QSize size, int margin)
{
    const QRect room = picture.area().adjusted(margin, margin, -margin, -margin);
    const int left = room.left() + (room.width() - size.width()) / 2;
    const QRect foot(QPoint(left, room.bottom() + 1 - size.height()), size);
    const QRect top(QPoint(left, room.top()), size);
    if (picture.image().isNull() || room.width() < size.width() || room.height() < size.height())
        return foot;
    const DrawnPixels drawn(picture.image());
    for (const QRect &edge : {foot, top})
        if (drawn.in(edge) == 0)
            return edge;
    for (int y = foot.top() - Stride; y > room.top(); y -= Stride)
        for (int away = 0; left - away >= room.left(); away += Stride)
            for (const int x : {left - away, left + away})
                if (const QRect place(QPoint(x, y), size); room.contains(place) && drawn.in(place) == 0)
                    return place;
    return drawn.in(top) < drawn.in(foot) ? top : foot;
}
