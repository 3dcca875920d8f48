// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/LayoutScaler.h"

#include "framework/Controls.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

DesignGeometry scaleGeometry(const DesignGeometry& recorded, const DesignGeometry& current,
                             const QString& tag, double fx, double fy)
{
    QString t = tag.toUpper();
    if (t.isEmpty() || t.front() != QLatin1Char('@'))
        t = QStringLiteral("@L,T,W,H");
    DesignGeometry g = current;
    if (t.contains(QLatin1Char('L'))) g.a = recorded.a * fx;
    if (t.contains(QLatin1Char('T'))) g.b = recorded.b * fy;
    if (t.contains(QLatin1Char('W'))) g.c = recorded.c * fx;
    if (t.contains(QLatin1Char('H'))) g.d = recorded.d * fy;
    return g;
}

QRectF formPlacement(int percent, QSizeF display)
{
    percent = qBound(0, percent, 255);
    const double h = std::floor(percent / 100.0 * display.height());
    const double w = std::floor(percent / 100.0 * display.width());
    return QRectF((display.width() - w) / 2, (display.height() - h) / 2, w, h);
}

namespace {

DesignGeometry geometryOf(const QWidget* w, bool line)
{
    if (line) {
        const QLineF e = static_cast<const LineControl*>(w)->ends();
        return {e.x1(), e.y1(), e.x2(), e.y2()};
    }
    const QRect r = w->geometry();
    return {double(r.x()), double(r.y()), double(r.width()), double(r.height())};
}

int px(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

QSize LayoutScaler::clientSize() const
{
    return canvas_->size();
}

LayoutScaler::Record LayoutScaler::recordOf(QObject* c)
{
    Record rec;
    rec.control = c;
    // Menus and other controls without a place are recorded as zeros and
    // left alone when scaling.
    if (auto* w = qobject_cast<QWidget*>(c)) {
        rec.line = qobject_cast<LineControl*>(w) != nullptr;
        rec.geometry = geometryOf(w, rec.line);
    }
    return rec;
}

void LayoutScaler::capture()
{
    records_.clear();
    const QSize client = clientSize();
    original_ = QSizeF(client.width(), client.height());
    for (QObject* c : controls_())
        records_.push_back(recordOf(c));
    needsCapture_ = false;
}

void LayoutScaler::add(QObject* control)
{
    if (!needsCapture_)   // else the capture records it
        records_.push_back(recordOf(control));
}

void LayoutScaler::reInitialise()
{
    if (canvas_)
        capture();
}

void LayoutScaler::sizeFormToScreen(int percent)
{
    if (!canvas_)
        return;
    if (needsCapture_)
        capture();
    QWidget* window = canvas_->window();
    const QScreen* screen = window->screen();
    const QSize display = screen ? screen->geometry().size() : QSize(800, 600);
    const QRectF place = formPlacement(percent, QSizeF(display));
    window->setGeometry(place.toRect());
    resizeControls();
}

void LayoutScaler::resizeControls()
{
    if (!canvas_ || controls_().isEmpty() || canvas_->window()->isMinimized())
        return;
    if (needsCapture_) {
        capture();
        return;
    }
    if (original_.width() <= 0 || original_.height() <= 0)
        return;
    const QSize client = clientSize();
    const double fx = client.width() / original_.width();
    const double fy = client.height() / original_.height();

    const bool wasEnabled = canvas_->updatesEnabled();
    canvas_->setUpdatesEnabled(false);
    for (const Record& rec : records_) {
        auto* w = qobject_cast<QWidget*>(rec.control.data());
        if (!w || control::hasComputedLayout(w))
            continue;
        const DesignGeometry now = geometryOf(w, rec.line);
        const DesignGeometry g = scaleGeometry(rec.geometry, now, control::tag(w), fx, fy);
        if (rec.line)
            static_cast<LineControl*>(w)->setEnds(QLineF(g.a, g.b, g.c, g.d));
        else
            w->setGeometry(px(g.a), px(g.b), qMax(0, px(g.c)), qMax(0, px(g.d)));
    }
    canvas_->setUpdatesEnabled(wasEnabled);
    canvas_->update();
}
