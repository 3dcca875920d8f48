// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>

// Text that reads: the contrast of two colours as WCAG 2 measures it, and
// the text colour to draw on a background so that it reaches the 4.5:1
// that readable text needs.
namespace contrast {

inline constexpr double Readable = 4.5;

// From 1 (the same colour) to 21 (black on white).
double ratio(const QColor& a, const QColor& b);

// Black or white, whichever stands out more on the background (one of the
// two always reaches 4.5:1).
QColor textOn(const QColor& background);

// The wanted colour where it reads on the background, else the nearest
// colour of its hue that does: made darker or lighter, whichever way gets
// there, or black or white at the end.
QColor readable(const QColor& wanted, const QColor& background);

} // namespace contrast
