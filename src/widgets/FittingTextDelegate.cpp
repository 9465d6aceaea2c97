// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FittingTextDelegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QStyle>

namespace {

// The style leaves this much room on each side of an item's text.
int textMargin(const QStyleOptionViewItem &option)
{
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

} // namespace

void FittingTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // A text that does not fit is drawn one pixel from the row's edges: the
    // row is widened by the rest of the style's margin, and the view clips
    // the highlight to its own width.
    QStyleOptionViewItem probe(option);
    initStyleOption(&probe, index);
    if (probe.font == option.font) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem widened(option);
    const int spare = textMargin(option) - 1;
    widened.rect.adjust(-spare, 0, spare, 0);
    QStyledItemDelegate::paint(painter, widened, index);
}

QSize FittingTextDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem unfitted(option);
    QStyledItemDelegate::initStyleOption(&unfitted, index);
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const int rowHeight = style->sizeFromContents(QStyle::CT_ItemViewItem, &unfitted, QSize(), widget).height();
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), rowHeight);
}

void FittingTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const qreal room = option->rect.width() - 2 * textMargin(*option);
    if (option->text.isEmpty() || room <= 0 || option->font.pointSizeF() <= 0)
        return;
    const qreal needed = QFontMetricsF(option->font).horizontalAdvance(option->text);
    if (needed <= room)
        return;
    // Glyph widths grow a little less than in proportion: step down from the
    // proportional size until the text fits.
    QFont font = option->font;
    qreal size = option->font.pointSizeF() * room / needed;
    font.setPointSizeF(size);
    while (QFontMetricsF(font).horizontalAdvance(option->text) > room && size > 1) {
        size -= 0.25;
        font.setPointSizeF(size);
    }
    option->font = font;
}
