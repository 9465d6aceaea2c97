// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ZoomedPicture.h"

#include "Board.h"
#include "FigurePainter.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

bool ZoomedPicture::setZoom(qreal zoom, QSize inner)
{
    if (zoom == m_zoom || !(zoom > 0))
        return false;
    m_heldSize = sizeIn(inner);
    m_sizeHeld = true;
    m_zoom = zoom;
    return true;
}

void ZoomedPicture::innerResized()
{
    if (m_zoom == 1)
        m_sizeHeld = false;
}

bool ZoomedPicture::fit(QPoint innerOrigin, QSize size, qreal screenRatio)
{
    m_innerOrigin = innerOrigin;
    const qreal ratio = screenRatio * m_zoom;
    if (size == m_picture.size() && ratio == m_picture.devicePixelRatio() && !m_picture.image().isNull())
        return false;
    const bool sharper = m_board && ratio != m_picture.devicePixelRatio();
    m_picture = sharper ? Picture(size, ratio) : m_picture.fitted(size, ratio);
    if (sharper)
        drawFigureAfresh(m_picture);
    return true;
}

QRect ZoomedPicture::drawFigure()
{
    m_lines = {};
    drawFigureAfresh(m_picture);
    return m_picture.area();
}

QRect ZoomedPicture::drawPlaced(int first, int count)
{
    return FigurePainter(m_picture).drawVertices(m_board->points().data() + first, count);
}

QRect ZoomedPicture::drawMoved(int row, QPoint from)
{
    const DrawnFigure &figure = m_board->figure();
    if (figure.base != DrawnFigure::Base::Fan || !figure.fan || m_lines.size() != m_picture.size())
        return drawFigure();
    const QRect reach = FigurePainter::reachOfMove(m_board->points(), row, VertexModel::pointAt(from));
    m_lines.clear(reach);
    FigurePainter(m_lines, reach).drawFan(*figure.fan);
    return FigurePainter(m_picture, reach).drawFigure(figure, m_board->points(), m_lines);
}

// The board's figure on a picture of the canvas's size, its lines those
// kept for that size, drawn once.
void ZoomedPicture::drawFigureAfresh(Picture &picture) const
{
    if (m_lines.size() != picture.size())
        m_lines = FigurePainter::linesOf(m_board->figure(), m_board->points(), picture.size());
    FigurePainter(picture).drawFigure(m_board->figure(), m_board->points(), m_lines);
}

QPoint ZoomedPicture::pixelAt(QPointF position) const
{
    const QPointF inner = (position - QPointF(m_innerOrigin)) / m_zoom;
    return QPoint(int(std::floor(inner.x())), int(std::floor(inner.y())));
}

QFont ZoomedPicture::unzoomed(const QFont &font) const
{
    QFont unzoomed = font;
    if (unzoomed.pointSizeF() > 0)
        unzoomed.setPointSizeF(unzoomed.pointSizeF() / m_zoom);
    else
        unzoomed.setPixelSize(std::max(1, qRound(unzoomed.pixelSize() / m_zoom)));
    return unzoomed;
}

// Only the damaged part is copied from the picture, its device pixels the
// screen's.
void ZoomedPicture::paint(QPainter &painter, const QRect &target, const QRect &inner, qreal screenRatio) const
{
    const QRectF shown = toWidget().mapRect(QRectF(m_picture.area()));
    const QRectF part = shown & QRectF(target);
    if (!part.isEmpty())
        painter.drawImage(part, m_picture.image(),
                          QRectF((part.topLeft() - shown.topLeft()) * screenRatio, part.size() * screenRatio));
    const QRectF area(inner);
    painter.fillRect(QRectF(QPointF(shown.right(), area.top()), area.bottomRight()), Qt::white);
    painter.fillRect(QRectF(QPointF(area.left(), shown.bottom()), area.bottomRight()), Qt::white);
}

// At 100 % the picture shown is the one copied; at another zoom it is
// drawn once more at the screen's own ratio, as 100 % shows it.
QImage ZoomedPicture::imageAt100(qreal screenRatio) const
{
    if (m_picture.devicePixelRatio() == screenRatio)
        return m_picture.image();
    Picture unzoomed = m_picture.fitted(m_picture.size(), screenRatio);
    if (m_board)
        drawFigureAfresh(unzoomed);
    return unzoomed.image();
}
