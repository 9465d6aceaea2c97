// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

// Where the vertices' numbers stand on a printed picture: each beside its own
// dot, never over a dot, kept inside `area` where it can be.
//
// A number is tried at the eight places around its dot, those facing away
// from the middle of the figure first: on a convex figure the numbers then
// stand outside it, clear of its sides. The first place inside the area,
// off every dot and off the numbers placed before it is taken; on a crowded
// board the first place that fails the least of these, in this order.
std::vector<QRectF> placeVertexLabels(const std::vector<QPointF> &dots, qreal dotRadius,
                                      const std::vector<QSizeF> &labels, const QRectF &area);
