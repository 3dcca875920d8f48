// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Contrast.h"

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {

double luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

// The colour moved a share t (0..1) of the way to the end colour.
QColor towards(const QColor& from, const QColor& to, double t)
{
    const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    const QColor f = from.toRgb(), e = to.toRgb();
    return QColor(mix(f.red(), e.red()), mix(f.green(), e.green()), mix(f.blue(), e.blue()));
}

} // namespace

double ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textOn(const QColor& background)
{
    return ratio(Qt::black, background) >= ratio(Qt::white, background) ? QColor(Qt::black) : QColor(Qt::white);
}

QColor readable(const QColor& wanted, const QColor& background)
{
    if (ratio(wanted, background) >= Readable)
        return wanted;
    // Towards the end that stands out on this background, in small steps:
    // the first colour that reads is the nearest.
    const QColor end = textOn(background);
    for (int step = 1; step <= 20; ++step) {
        const QColor c = towards(wanted, end, step / 20.0);
        if (ratio(c, background) >= Readable)
            return c;
    }
    return end;
}

} // namespace contrast
