#pragma once

#include <QStyledItemDelegate>

// Shows an item's text whole in a narrow list: a text wider than its row is
// drawn in a font just small enough to fit, and its tooltip shows it at full
// size. The one-row vertex lists are a few digits wide, and a vertex number
// may have five.
class FittingTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
