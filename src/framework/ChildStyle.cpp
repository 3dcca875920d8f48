// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ChildStyle.h"

#include "framework/Controls.h"
#include "framework/FittedCaptions.h"
#include "services/Contrast.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>
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

QSize ChildStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const
{
    if (type == CT_MenuBarItem)
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            const int cap = fitted::menuBarCap(*bar, *baseStyle());
            if (size.width() > cap)
                return QProxyStyle::sizeFromContents(type, option, QSize(cap, size.height()), widget);
        }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void ChildStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || !standsAlone(widget))
        return;
    // The base style draws a sign of a few pixels whatever the size of its
    // button; on a button a fingertip wide the child looks for a sign as
    // large: a triangle half as tall as the button, drawn over the small one.
    const bool across = bar->orientation == Qt::Horizontal;
    const bool enabled = bar->state & State_Enabled;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(bar->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (const SubControl part : {SC_ScrollBarSubLine, SC_ScrollBarAddLine}) {
        const QRectF r = subControlRect(control, option, part, widget);
        const double side = std::min(r.width(), r.height()) * 0.5;
        const double depth = side * 0.6;
        const QPointF c = r.center();
        const double toward = part == SC_ScrollBarAddLine ? 1 : -1;
        QPolygonF sign;
        if (across)
            sign << QPointF(c.x() + toward * depth / 2, c.y()) << QPointF(c.x() - toward * depth / 2, c.y() - side / 2)
                 << QPointF(c.x() - toward * depth / 2, c.y() + side / 2);
        else
            sign << QPointF(c.x(), c.y() + toward * depth / 2) << QPointF(c.x() - side / 2, c.y() - toward * depth / 2)
                 << QPointF(c.x() + side / 2, c.y() - toward * depth / 2);
        painter->drawPolygon(sign);
    }
    painter->restore();
}

void ChildStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    if (element == CE_MenuBarItem)
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
            if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
                const int cap = fitted::menuBarCap(*bar, *baseStyle());
                if (fitted::isCut(item->text, item->fontMetrics, cap)) {
                    QStyleOptionMenuItem shown = *item;
                    shown.text = fitted::cut(item->text, item->fontMetrics, cap);
                    QProxyStyle::drawControl(element, &shown, painter, widget);
                    return;
                }
            }
    if (element == CE_PushButtonLabel)
        if (const auto* label = qstyleoption_cast<const QStyleOptionButton*>(option))
            if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
                const int room = fitted::buttonTextRoom(*button, *this);
                if (fitted::isCut(label->text, label->fontMetrics, room)) {
                    QStyleOptionButton shown = *label;
                    shown.text = fitted::cut(label->text, label->fontMetrics, room);
                    QProxyStyle::drawControl(element, &shown, painter, widget);
                    return;
                }
            }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ChildStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QPushButton*>(widget))
        widget->installEventFilter(this);
}

void ChildStyle::unpolish(QWidget* widget)
{
    if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QPushButton*>(widget))
        widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool ChildStyle::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QProxyStyle::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    if (auto* bar = qobject_cast<QMenuBar*>(watched)) {
        QAction* action = bar->actionAt(help->pos());
        if (action && fitted::isCut(action->text(), bar->fontMetrics(), fitted::menuBarCap(*bar, *baseStyle()))) {
            QToolTip::showText(help->globalPos(),
                               control::shownToolTip(fitted::fullText(action->text(), control::toolTip(action))), bar,
                               bar->actionGeometry(action));
            return true;
        }
    } else if (auto* button = qobject_cast<QPushButton*>(watched)) {
        if (fitted::isCut(button->text(), button->fontMetrics(), fitted::buttonTextRoom(*button, *this))) {
            QToolTip::showText(help->globalPos(),
                               control::shownToolTip(fitted::fullText(button->text(), control::toolTip(button))), button);
            return true;
        }
    }
    return QProxyStyle::eventFilter(watched, event);
}

namespace {

// The colour behind a widget's text: its own fill, else that of the widget
// it stands on, up to a canvas that paints the screen's colour.
QColor colourBehind(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (w->autoFillBackground())
            return w->palette().color(w->backgroundRole());
        const QVariant painted = w->property(control::BackgroundProperty);
        if (painted.isValid())
            return painted.value<QColor>();
        if (w->isWindow())
            break;
    }
    return QColor();
}

} // namespace

void ChildStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                              bool enabled, const QString& text, QPalette::ColorRole textRole) const
{
    // Disabled texts are greyed on purpose.
    if (enabled && textRole == QPalette::WindowText) {
        const QColor behind = colourBehind(dynamic_cast<const QWidget*>(painter->device()));
        const QColor wanted = palette.color(textRole);
        if (behind.isValid() && contrast::ratio(wanted, behind) < contrast::Readable) {
            QPalette readable(palette);
            readable.setColor(textRole, contrast::readable(wanted, behind));
            QProxyStyle::drawItemText(painter, rect, flags, readable, enabled, text, textRole);
            return;
        }
    }
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}
