// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

// Shows an item's text whole in a narrow list: a text wider than its row is
// drawn in a font just small enough to fit, with the least margin, centred
// in a row as high as every other, and its tooltip shows it at full size.
// The one-row vertex lists are a few digits wide beside their scroll bars,
// and a vertex number may have five.
class FittingTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The size in the list's own font, however small the text is drawn: a
    // list of uniform rows takes every row's height from its last one.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
