// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OneRowListView.h"

OneRowListView::OneRowListView(QWidget *parent)
    : QListView(parent)
{
    setVerticalScrollMode(ScrollPerItem);
}

// Called for the inside's size too, which the scroll bar changes.
void OneRowListView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    if (!viewport()->size().isEmpty())
        setGridSize(viewport()->size());
}
