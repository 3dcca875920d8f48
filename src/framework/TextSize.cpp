// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/TextSize.h"

#include "framework/Controls.h"
#include "framework/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace textsize {

namespace {

const char* const DesignFontProperty = "designFont";
const char* const GivenFontProperty = "textSizeFont";
const char* const OwnFontProperty = "ownFont";
const char* const RoomForProperty = "textRoomFor";

QSize textSize(const QFont& f, const QString& text)
{
    return QFontMetrics(f).size(0, text);
}

// The design font of w: the one first seen, or the one its screen gave it
// since the last font set here.
QFont designOf(QWidget* w)
{
    const QVariant given = w->property(GivenFontProperty);
    const QVariant design = w->property(DesignFontProperty);
    if (!design.isValid() || !given.isValid() || given.value<QFont>() != w->font()) {
        w->setProperty(DesignFontProperty, w->font());
        return w->font();
    }
    return design.value<QFont>();
}

void give(QWidget* w, const QFont& f)
{
    if (w->font() != f)
        w->setFont(f);
    w->setProperty(GivenFontProperty, w->font());
}

QFont sized(QFont f, double points)
{
    if (f.pointSizeF() > 0)
        f.setPointSizeF(points);
    else
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(points))));
    return f;
}

double sizeOf(const QFont& f)
{
    return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize();
}

// The largest size from design up to target at which the text fits.
QFont fitted(const QWidget* w, const QFont& design, double target)
{
    const double low = sizeOf(design);
    if (target <= low || fits(w, sized(design, target)))
        return sized(design, std::max(low, target));
    double lo = low, hi = target;
    for (int i = 0; i < 8; ++i) {
        const double mid = (lo + hi) / 2;
        (fits(w, sized(design, mid)) ? lo : hi) = mid;
    }
    return sized(design, lo);
}

} // namespace

double factorFor(QPointF scale)
{
    return std::max(1.0, std::min(scale.x(), scale.y()) * twips::PerPixel);
}

bool fits(const QWidget* w, const QFont& f)
{
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return true;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->wordWrap()) {
            const QRect need = QFontMetrics(f).boundingRect(QRect(0, 0, room.width(), 100000),
                                                             Qt::TextWordWrap | label->alignment(), label->text());
            return need.width() <= room.width() && need.height() <= room.height();
        }
        const QSize need = textSize(f, label->text());
        return need.width() <= room.width() && need.height() <= room.height();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return true;
        // What the button draws around its text stays as it is.
        const QSize chrome = button->sizeHint() - textSize(button->font(), button->text());
        const QSize need = textSize(f, button->text()) + chrome;
        return need.width() <= button->width() && need.height() <= button->height();
    }
    if (auto* box = qobject_cast<const QLineEdit*>(w)) {
        const int chrome = box->sizeHint().height() - box->fontMetrics().height();
        const QString widest = box->property(RoomForProperty).toString();
        // The frame and the box's own text margins.
        constexpr int sides = 8;
        if (!widest.isEmpty() && QFontMetrics(f).horizontalAdvance(widest) * 11 / 10 + sides > box->width())
            return false;
        return QFontMetrics(f).height() + std::max(0, chrome) <= box->height();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(w))
        return textSize(f, group->title()).width() + 16 <= group->width();
    const QString text = w->property("text").toString();
    if (!text.isEmpty()) {
        const QSize need = textSize(f, text);
        return need.width() + 2 <= w->width() && need.height() <= w->height();
    }
    return true;
}

void apply(const QList<QObject*>& controls, double factor, bool fitOnly)
{
    for (QObject* c : controls) {
        auto* w = qobject_cast<QWidget*>(c);
        if (!w || w->property(OwnFontProperty).toBool())
            continue;
        const bool computed = control::hasComputedLayout(w);
        if (fitOnly && computed)
            continue;
        const QFont design = designOf(w);
        const double target = sizeOf(design) * factor;
        if (factor <= 1)
            give(w, design);
        else if (computed)
            give(w, sized(design, target));
        else
            give(w, fitted(w, design, target));
    }
}

void applyToMenus(QWidget* menuBar, double factor)
{
    if (!menuBar)
        return;
    QList<QWidget*> all{menuBar};
    for (QMenu* m : menuBar->findChildren<QMenu*>())
        all.push_back(m);
    for (QWidget* w : all) {
        const QFont design = designOf(w);
        give(w, factor <= 1 ? design : sized(design, sizeOf(design) * factor));
    }
    // The bar's items all stay in sight: none is pushed into the overflow
    // arrow by the larger letters, down to the design size.
    auto* bar = qobject_cast<QMenuBar*>(menuBar);
    if (!bar || factor <= 1 || bar->width() <= 0)
        return;
    auto needed = [bar](const QFont& f) {
        int w = 0;
        for (QAction* a : bar->actions())
            if (a->isVisible() && !a->isSeparator())
                w += QFontMetrics(f).horizontalAdvance(QString(a->text()).remove(QLatin1Char('&'))) + 20;
        return w;
    };
    const QFont design = bar->property(DesignFontProperty).value<QFont>();
    QFont f = bar->font();
    while (sizeOf(f) > sizeOf(design) && needed(f) > bar->width())
        f = sized(f, std::max(sizeOf(design), sizeOf(f) * 0.95));
    give(bar, f);
}

void keepOwnFont(QWidget* w)
{
    w->setProperty(OwnFontProperty, true);
}

void keepRoomFor(QWidget* box, const QString& widest)
{
    box->setProperty(RoomForProperty, widest);
}

} // namespace textsize
