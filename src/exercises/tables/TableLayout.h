// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>

// Geometry shared by the table and square screens.

// An equation written as label, answer box, label: the box starts where the
// first label ends, the second label where the box ends, and the box takes
// the height of the second label. Works on pixels, after the labels have
// been sized to their texts.
struct EquationPlaces
{
    QRect left;
    QRect box;
    QRect right;
};
EquationPlaces lineUpEquation(QRect left, QRect box, QRect right);
