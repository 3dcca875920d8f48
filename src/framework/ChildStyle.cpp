// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ChildStyle.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

ChildStyle::ChildStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

namespace {
// A scroll bar placed on a screen as a control of its own, not the bar of
// a scrolled list or text.
bool standsAlone(const QWidget* widget)
{
    if (!qobject_cast<const QScrollBar*>(widget))
        return false;
    for (const QWidget* p = widget->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return false;
    return true;
}
} // namespace

int ChildStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        // Grows with the control's font: a little taller than its letters.
        return widget ? qMax(20, widget->fontMetrics().height() * 5 / 4) : 20;
    case PM_ScrollBarExtent:
        // The arrows of a scroll bar on a screen are as long as the bar is
        // thick, and never shorter than a child's fingertip, however
        // small the scaler makes the bar; a third of its length at most,
        // so the slider keeps room to move.
        if (standsAlone(widget)) {
            const auto* bar = static_cast<const QScrollBar*>(widget);
            const bool across = bar->orientation() == Qt::Horizontal;
            const int thick = across ? bar->height() : bar->width();
            const int length = across ? bar->width() : bar->height();
            return qMax(QProxyStyle::pixelMetric(metric, option, widget), qMin(qMax(thick, FingerTip), length / 3));
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
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
