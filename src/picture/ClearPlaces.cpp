// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClearPlaces.h"

#include "Picture.h"

#include <cmath>

namespace {

// How far apart the places tried stand, in the picture's pixels.
constexpr int Stride = 4;

} // namespace

ClearPlaces::ClearPlaces(const Picture &picture, int margin)
    : m_room(picture.area().adjusted(margin, margin, -margin, -margin)),
      m_margin(margin),
      m_ratio(picture.devicePixelRatio()),
      m_device(picture.image().rect()),
      m_columns(m_device.width() + 1),
      m_sums(size_t(m_columns) * size_t(m_device.height() + 1), 0)
{
    const QImage &image = picture.image();
    const QRgb paper = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int line = 0;
        for (int x = 0; x < image.width(); ++x) {
            line += row[x] != paper;
            m_sums[size_t(y + 1) * size_t(m_columns) + size_t(x + 1)] = sumAt(x + 1, y) + line;
        }
    }
}

int ClearPlaces::drawnIn(const QRect &area) const
{
    const QRect device = QRect(QPoint(int(std::floor(area.left() * m_ratio)), int(std::floor(area.top() * m_ratio))),
                               QPoint(int(std::ceil((area.right() + 1) * m_ratio)) - 1,
                                      int(std::ceil((area.bottom() + 1) * m_ratio)) - 1))
        & m_device;
    if (device.isEmpty())
        return 0;
    return sumAt(device.right() + 1, device.bottom() + 1) - sumAt(device.left(), device.bottom() + 1)
        - sumAt(device.right() + 1, device.top()) + sumAt(device.left(), device.top());
}

QRect ClearPlaces::atFoot(QSize size) const
{
    const int left = m_room.left() + (m_room.width() - size.width()) / 2;
    return QRect(QPoint(left, m_room.bottom() + 1 - size.height()), size);
}

std::optional<QRect> ClearPlaces::clearFor(QSize size) const
{
    const QRect foot = atFoot(size);
    const QRect top(QPoint(foot.left(), m_room.top()), size);
    if (!m_room.contains(foot))
        return std::nullopt;
    // Clear by the margin round it too, not touching a line.
    const QMargins round(m_margin, m_margin, m_margin, m_margin);
    for (const QRect &edge : {foot, top})
        if (drawnIn(edge + round) == 0)
            return edge;
    for (int y = foot.top() - Stride; y > m_room.top(); y -= Stride)
        for (int away = 0; foot.left() - away >= m_room.left(); away += Stride)
            for (const int x : {foot.left() - away, foot.left() + away})
                if (const QRect place(QPoint(x, y), size); m_room.contains(place) && drawnIn(place + round) == 0)
                    return place;
    return std::nullopt;
}

QRect ClearPlaces::emptierEdgeFor(QSize size) const
{
    const QRect foot = atFoot(size);
    const QRect top(QPoint(foot.left(), m_room.top()), size);
    return drawnIn(top) < drawnIn(foot) ? top : foot;
}
