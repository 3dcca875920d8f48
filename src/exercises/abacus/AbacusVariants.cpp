// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusVariants.h"

namespace abacus {

AbacusDesign shortWires()
{
    AbacusDesign d;
    d.wireTop = 2400;
    d.wireBottom = 6900;   // 4500: beads of 500
    d.wireX = {2600, 4700, 6800};
    // The beads stand centred on the wires (500 wide: 250 each side).
    d.places = {9, 9, 9};
    d.unitsFootTop = 6400;
    d.markerLeft = 1800;
    d.markerRight = 7600;
    return d;
}

AbacusDesign longWires(bool touchingColumns)
{
    AbacusDesign d;
    d.wireTop = 2700;
    d.wireBottom = 6750;   // 4050: beads of 450, the tenth above the wire
    d.wireX = {2125, 4605, 7105};
    d.mainLeft = {1900, 4380, 6880};
    d.secondLeft = {1900, 3900, 6400};
    d.places = {9, 19, 19};
    d.unitsFootTop = 6300;
    d.markerLeft = 1600;
    d.markerRight = 7530;
    d.touchingColumns = touchingColumns;
    d.wiresThroughBeads = true;
    return d;
}

QRectF exchangePlace(Wire leftWire)
{
    // In the gap between the left wire's beads and the right wire's second
    // column, above the five-bead marker.
    return leftWire == Wire::Tens ? QRectF(4930, 3000, 1370, 650) : QRectF(2450, 3000, 1350, 650);
}

} // namespace abacus
