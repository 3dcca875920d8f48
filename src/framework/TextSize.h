// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QPointF>

class QFont;
class QObject;
class QWidget;

// Large text: every font of a screen grows with the same factor as its
// layout, so the text keeps the proportions it has on the design display.
// Where a text would not fit its box at that size it shrinks to fit, never
// below its design size. Off, fonts stay at their design sizes.
//
// The design font of a control is the font it had when first seen here,
// or the one a screen gave it since (a screen that sets a font later is
// followed). A screen that sizes a control's font itself, from
// Screen::textScale(), marks it keepOwnFont().
namespace textsize {

// The factor for a screen scaled by `scale` pixels per design twip: the
// smaller of the two, never below 1.
double factorFor(QPointF scale);

// Whether the widget's text, in font f, fits its box as it is now.
bool fits(const QWidget* w, const QFont& f);

// Sets the fonts of the controls for factor (1: their design fonts).
// Controls with a computed layout grow without fitting, because their
// screen places them from their text right after; with fitOnly, they are
// left alone and the others are fitted again (after a text changed).
void apply(const QList<QObject*>& controls, double factor, bool fitOnly = false);

// The menu bar and its menus, by the same factor, without fitting.
void applyToMenus(QWidget* menuBar, double factor);

void keepOwnFont(QWidget* w);

// A box where a child types a text as wide as `widest` (the longest words
// of a number): its font fits that text too, with a tenth to spare for
// wider letters.
void keepRoomFor(QWidget* box, const QString& widest);

} // namespace textsize
