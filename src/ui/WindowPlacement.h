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
// smaller to fit it, never below `least`. Only where no side has room for
// half its width and a third of its height, or for `least`, does it stand
// at the screen's right edge, over the main window.
QRect besideWindow(const QRect &window, QSize size, const QRect &screen, QSize least = {0, 0});

// Places `shown`, a window of its own, `wanted` in size without its frame,
// beside the main window it belongs to, as besideWindow chooses.
void placeBesideMainWindow(QWidget &shown, QSize wanted);
// Moves a window of its own that has grown past its screen's edge back
// onto it, as far as its size allows.
void keepOnScreen(QWidget &shown);
