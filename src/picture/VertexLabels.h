// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

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
