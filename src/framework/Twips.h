// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QSize>
#include <cmath>

// Screens are designed in twips (1440 to the inch). They are converted to
// pixels here and nowhere else, at 96 pixels to the inch; the layout scaler
// then stretches every screen to the display.
namespace twips {
inline constexpr double PerPixel = 15.0;
inline int toPx(double t) { return static_cast<int>(std::lround(t / PerPixel)); }
inline QRect rect(double left, double top, double width, double height)
{
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}
inline QSize size(double width, double height) { return QSize(toPx(width), toPx(height)); }
} // namespace twips
