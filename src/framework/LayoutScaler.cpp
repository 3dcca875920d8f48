#include "framework/LayoutScaler.h"

#include "framework/Controls.h"
#include "framework/Screen.h"

#include <QScreen>
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

void LayoutScaler::capture()
{
    records_.clear();
    const QSize client = form_->clientSize();
    original_ = QSizeF(client.width(), client.height());
    for (QObject* c : form_->controls()) {
        Record rec;
        rec.control = c;
        // Menus and other controls without a place are recorded as zeros and
        // left alone when scaling.
        if (auto* w = qobject_cast<QWidget*>(c)) {
            rec.line = qobject_cast<LineControl*>(w) != nullptr;
            rec.geometry = geometryOf(w, rec.line);
        }
        records_.push_back(rec);
    }
    needsCapture_ = false;
}

void LayoutScaler::reInitialise()
{
    if (form_)
        capture();
}

void LayoutScaler::sizeFormToScreen(int percent)
{
    if (!form_)
        return;
    if (needsCapture_)
        capture();
    const QSize display = form_->displaySize();
    const QRectF place = formPlacement(percent, QSizeF(display));
    form_->setGeometry(place.toRect());
    resizeControls();
}

void LayoutScaler::resizeControls()
{
    if (!form_ || form_->controls().isEmpty() || form_->isMinimized())
        return;
    if (needsCapture_) {
        capture();
        return;
    }
    if (original_.width() <= 0 || original_.height() <= 0)
        return;
    const QSize client = form_->clientSize();
    const double fx = client.width() / original_.width();
    const double fy = client.height() / original_.height();

    QWidget* canvas = form_->canvas();
    const bool wasEnabled = canvas->updatesEnabled();
    canvas->setUpdatesEnabled(false);
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
    canvas->setUpdatesEnabled(wasEnabled);
    canvas->update();
}
