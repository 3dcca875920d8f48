// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLineF>
#include <QRectF>
#include <QSizeF>

// Where the number line, its ticks, their labels and the answer box stand on
// the design, in twips. The screen turns these into pixels after every
// rescale; labels are as large as their text, so their place depends on the
// size the text takes at that moment.
namespace numberline_layout {

inline constexpr double DesignWidth = 9450;
inline constexpr double DesignHeight = 6300;

inline constexpr double LineLeft = 525;
inline constexpr double LineRight = 8925;
inline constexpr double LineY = 3885;
inline constexpr double TickPitch = 420;
inline constexpr double LongTickTop = 3360;   // ticks 0, 10, 20
inline constexpr double ShortTickTop = 3570;
inline constexpr double BigLabelTop = 2835;
inline constexpr double SmallLabelTop = 3255;
inline constexpr double BigLabelPoints = 18;
inline constexpr double SmallLabelPoints = 12;
inline constexpr double LineWidthPixels = 3;  // line and ticks, at design size

inline constexpr QRectF AnswerBox{3255, 4620, 2955, 1065};
// The question, with large text: in the free space between the counts box
// and the labels of the line.
inline constexpr QRectF QuestionLine{525, 1700, 8400, 700};
inline constexpr double QuestionPoints = 14.25;
inline constexpr double AnswerPoints = 24;
inline constexpr int AnswerMaxLength = 4;
// The counts box (the wide kind), centred above the line.
inline constexpr QPointF CountsBoxAt{2677, 240};

inline bool isLong(int tick) { return tick == 0 || tick == 10 || tick == 20; }
inline double tickX(int tick) { return LineLeft + TickPitch * tick; }

inline QLineF line() { return {LineLeft, LineY, LineRight, LineY}; }
// From its top down to the line.
inline QLineF tick(int i) { return {tickX(i), isLong(i) ? LongTickTop : ShortTickTop, tickX(i), LineY}; }

inline double labelPoints(int tick) { return isLong(tick) ? BigLabelPoints : SmallLabelPoints; }
// A label of the given size (twips) just above its tick, centred on it.
inline QRectF label(int tick, QSizeF textSize)
{
    return {tickX(tick) - textSize.width() / 2, isLong(tick) ? BigLabelTop : SmallLabelTop, textSize.width(),
            textSize.height()};
}

// Neighbouring labels must not run into each other: a label wider than
// most of the gap between two ticks is written smaller by this factor.
inline double labelShrink(double textWidth, double tickPitch)
{
    const double room = 0.9 * tickPitch;
    return textWidth > room && textWidth > 0 ? room / textWidth : 1.0;
}

} // namespace numberline_layout
