// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where a window of its own opens beside the main window `window`, on the
// screen's free area `screen`, never over the window it explains: to its
// right, else to its left, below or above it, the first side with room for
// the whole `size`; else the side with the most room, the window made
// smaller to fit it. Only where no side has room for half its width and a
// third of its height does it stand at the screen's right edge, over the
// main window.
QRect besideWindow(const QRect &window, QSize size, const QRect &screen);

// Places `shown`, a window of its own, `wanted` in size without its frame,
// beside the main window it belongs to, as besideWindow chooses.
void placeBesideMainWindow(QWidget &shown, QSize wanted);
