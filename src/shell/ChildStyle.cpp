#include "shell/ChildStyle.h"

#include <QStyleFactory>
#include <QWidget>

ChildStyle::ChildStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ChildStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        // Grows with the control's font: about as tall as its letters.
        return widget ? qMax(16, widget->fontMetrics().height() * 9 / 10) : 20;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}
