// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ZoomedStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

bool growsWithText(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_MenuButtonIndicator:
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SliderLength:
    case QStyle::PM_SmallIconSize:
    case QStyle::PM_LargeIconSize:
    case QStyle::PM_IconViewIconSize:
    case QStyle::PM_ListViewIconSize:
    case QStyle::PM_ButtonIconSize:
    case QStyle::PM_ToolBarIconSize:
    case QStyle::PM_TabBarIconSize:
    case QStyle::PM_MessageBoxIconSize:
    case QStyle::PM_LayoutLeftMargin:
    case QStyle::PM_LayoutTopMargin:
    case QStyle::PM_LayoutRightMargin:
    case QStyle::PM_LayoutBottomMargin:
    case QStyle::PM_LayoutHorizontalSpacing:
    case QStyle::PM_LayoutVerticalSpacing:
        return true;
    default:
        return false;
    }
}

} // namespace

ZoomedStyle::ZoomedStyle(const QString &base)
    : QProxyStyle(QStyleFactory::create(base))
{
}

void ZoomedStyle::setFactor(qreal factor)
{
    if (factor == m_factor)
        return;
    m_factor = factor;
    // As QApplication tells them of a new style: each lays itself out anew.
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->testAttribute(Qt::WA_SetStyle) || widget->windowType() == Qt::Desktop)
            continue;
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &changed);
        widget->update();
    }
}

int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (m_factor == 1 || size <= 0 || !growsWithText(metric))
        return size;
    return std::max(1, int(std::lround(size * m_factor)));
}
