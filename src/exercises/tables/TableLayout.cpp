// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/TableLayout.h"

EquationPlaces lineUpEquation(QRect left, QRect box, QRect right)
{
    box.moveLeft(left.x() + left.width());
    right.moveLeft(box.x() + box.width());
    box.setHeight(right.height());
    return {left, box, right};
}
