// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VertexNumbers.h"

#include "FigurePainter.h"
#include "VertexLabels.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <array>

void VertexNumbers::place(const std::vector<Point> &vertices, const QRectF &area, const QFont &font)
{
    // Digits are of one width in the window's fonts: a number's size is
    // known from its length, without measuring 32,767 texts.
    const QFontMetricsF metrics(font);
    std::array<QSizeF, 6> sizes;
    for (int digits = 1; digits < int(sizes.size()); ++digits)
        sizes[size_t(digits)] = QSizeF(metrics.horizontalAdvance(QString(digits, u'0')) + 2, metrics.height());
    std::vector<QPointF> dots;
    std::vector<QSizeF> labels;
    dots.reserve(vertices.size());
    labels.reserve(vertices.size());
    for (size_t i = 0; i < vertices.size(); ++i) {
        dots.emplace_back(vertices[i].x + 0.5, vertices[i].y + 0.5);
        labels.push_back(sizes[std::min(sizes.size() - 1, size_t(QString::number(i + 1).size()))]);
    }
    m_places = placeVertexLabels(dots, FigurePainter::DotWidth / 2.0, labels, area);
    m_font = font;
    m_placed = true;
}

void VertexNumbers::paint(QPainter &painter, const std::vector<Point> &vertices, const QRectF &area,
                          const QFont &font, const QRectF &exposed, const QList<QPointF> &named)
{
    if (!m_placed || m_font != font || m_places.size() != vertices.size())
        place(vertices, area, font);
    const QPalette colours;
    QColor ground = colours.color(QPalette::Base);
    ground.setAlpha(210);
    painter.save();
    painter.setFont(font);
    painter.setPen(colours.color(QPalette::Text));
    for (size_t i = 0; i < m_places.size(); ++i) {
        const QRectF &place = m_places[i];
        if (place.isNull() || !place.intersects(exposed) || named.contains(QPointF(vertices[i].x, vertices[i].y)))
            continue;
        painter.fillRect(place, ground);
        painter.drawText(place, Qt::AlignCenter, QString::number(i + 1));
    }
    painter.restore();
}
