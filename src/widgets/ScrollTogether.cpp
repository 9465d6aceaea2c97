// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScrollTogether.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

void scrollTogether(const QList<QAbstractScrollArea *> &views)
{
    for (QAbstractScrollArea *view : views) {
        for (QAbstractScrollArea *other : views) {
            if (other == view)
                continue;
            // Setting the value it already has does nothing: the views do
            // not echo each other for ever.
            QObject::connect(view->verticalScrollBar(), &QScrollBar::valueChanged, other->verticalScrollBar(),
                             &QScrollBar::setValue);
        }
    }
}
