// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FittingTextDelegate.h"

// A coordinate in a narrow vertex list: shown fitted to its row, and edited
// in place (F2, a double-click). What the user typed is handed on, when he
// commits it, to whoever moves the vertex; the model is never written here.
class CoordinateDelegate : public FittingTextDelegate
{
    Q_OBJECT

public:
    using FittingTextDelegate::FittingTextDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    void edited(const QModelIndex &index, const QString &text) const;
};
