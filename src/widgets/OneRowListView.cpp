// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OneRowListView.h"

#include <QMouseEvent>

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

void OneRowListView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        event->accept(); // the context menu follows
    else
        QListView::mousePressEvent(event);
}

void OneRowListView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QListView::mouseReleaseEvent(event);
}
