// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <memory>
#include <vector>

// Where the vertices' numbers stand beside their dots, on the canvas, on
// paper and on the projector: each beside its own dot, inside `area`, over
// no dot and over no number placed before it. A number that has no such
// place is left out: its rectangle is null. The numbers are placed in the
// vertices' order, so that on a crowded board the first ones stand.
//
// A number is tried at the eight places around its dot, those facing away
// from the middle of the figure first: on a convex figure the numbers then
// stand outside it, clear of its sides. A full board's 32,767 numbers are
// placed in a few tens of milliseconds: what a place might overlap is looked
// up in a grid of the area.
std::vector<QRectF> placeVertexLabels(const std::vector<QPointF> &dots, qreal dotRadius,
                                      const std::vector<QSizeF> &labels, const QRectF &area);

// The room the numbers have round a figure's dots, over `bounds`: what is
// drawn there (the dots, and lines `lineWidth` wide, which no number may
// cross) and the numbers placed so far. placeVertexLabels places with it;
// where some numbers must be shown whatever the crowd (those a step of the
// presentation names), it finds them a place farther out, or else one
// beside their dot over the lines.
class LabelRoom
{
public:
    LabelRoom(const QRectF &bounds, const std::vector<QPointF> &dots, qreal dotRadius, QSizeF largestLabel,
              const std::vector<QLineF> &lines = {}, qreal lineWidth = 0);
    ~LabelRoom();

    // At one of the eight places beside dot `dot`, inside `area`, clear of
    // every dot, line and number placed before; taken. Null where there is
    // none.
    QRectF placeBeside(size_t dot, QSizeF label, const QRectF &area);
    // The nearest place that is clear as well of `others`, up to `reach`
    // from the dot's edge, round it; not taken. Null where there is none.
    QRectF placeNear(size_t dot, QSizeF label, const QRectF &area, const std::vector<QRectF> &others,
                     qreal reach) const;
    // For a number that has no clear place: beside its dot inside `area`,
    // facing out of the figure, over none of `others` and no dot where it
    // can be.
    QRectF placeAnyway(size_t dot, QSizeF label, const QRectF &area, const std::vector<QRectF> &others) const;

private:
    struct Drawn;
    std::unique_ptr<Drawn> m_drawn;
};
