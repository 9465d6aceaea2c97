// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

class Picture;

// Where a box of `size` stands over the picture, `margin` inside its edges,
// covering none of what is drawn on it (a vertex's dot, a side): at its
// foot, centred, where that is clear; else at its top; else the first
// clear place from the foot up, nearest the middle. Where no place is
// clear, at the foot or the top, whichever covers less of the drawing.
QRect clearPlaceFor(const Picture &picture, QSize size, int margin);
