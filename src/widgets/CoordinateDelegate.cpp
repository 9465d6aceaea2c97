// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CoordinateDelegate.h"

#include <QLineEdit>

QWidget *CoordinateDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    QWidget *editor = FittingTextDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setFrame(false); // the row is narrow: every pixel for the digits
    return editor;
}

void CoordinateDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        emit edited(index, line->text());
}
