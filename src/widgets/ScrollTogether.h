// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QAbstractScrollArea;

// Scrolls the views together: scrolling one vertically, by the wheel, the
// scroll bar or the keys, scrolls the others to the same place. The vertex
// lists, one row high each, so always show the same vertex.
void scrollTogether(const QList<QAbstractScrollArea *> &views);
