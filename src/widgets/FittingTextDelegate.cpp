#include "FittingTextDelegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QStyle>

#include <algorithm>

namespace {

// Below this a digit is no longer legible.
constexpr qreal SmallestPointSize = 6;

} // namespace

void FittingTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.isEmpty() || option->rect.isEmpty() || option->font.pointSizeF() <= 0)
        return;
    const QWidget *widget = option->widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    // The style leaves this much room on each side of an item's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const qreal room = option->rect.width() - 2 * margin;
    qreal size = option->font.pointSizeF();
    QFont font = option->font;
    while (QFontMetricsF(font).horizontalAdvance(option->text) > room && size > SmallestPointSize) {
        size = std::max(SmallestPointSize, size - 0.5);
        font.setPointSizeF(size);
    }
    option->font = font;
}
