// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ChildStyle.h"

#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

ChildStyle::ChildStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ChildStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        // Grows with the control's font: a little taller than its letters.
        return widget ? qMax(20, widget->fontMetrics().height() * 5 / 4) : 20;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect ChildStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    if ((element == SE_CheckBoxClickRect || element == SE_RadioButtonClickRect) && option)
        return option->rect;
    return QProxyStyle::subElementRect(element, option, widget);
}
