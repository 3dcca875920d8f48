// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusModel.h"

#include <QLineF>
#include <QRectF>

#include <array>
#include <functional>

// Where the wires, the bead places and the five-bead marker of an abacus
// go. The design gives the wires and the columns of bead places; the layout
// derives the rest from the wires' length, in the units of the screen as it
// is shown, so that beads of one stack touch exactly at every size.

namespace abacus {

struct AbacusDesign
{
    double wireTop = 0;                 // every wire has the same ends
    double wireBottom = 0;
    std::array<double, WireCount> wireX{};      // design place of each wire
    std::array<double, WireCount> mainLeft{};   // left edge of places 0..9, with wiresThroughBeads
    std::array<double, WireCount> secondLeft{}; // left edge of places 10..18
    std::array<int, WireCount> places{9, 9, 9};
    double unitsFootTop = 0;            // top edge of units place 0
    double markerLeft = 0;              // ends of the five-bead marker
    double markerRight = 0;
    bool touchingColumns = false;       // the two columns of a wire touch
    bool wiresThroughBeads = false;     // each wire runs through its beads
};

struct AbacusGeometry
{
    double step = 0;                    // a bead's width and height
    std::array<QLineF, WireCount> wires;
    std::array<std::array<QRectF, MaxPlaces>, WireCount> places{};
    QLineF marker;
};

// Maps a rectangle in design twips to the units of the screen on show.
using DesignToScreen = std::function<QRectF(const QRectF&)>;

// The rules:
//  - the step S is the wires' length / 9, rounded down: nine beads fill a
//    wire; every place is a circle S wide and S high;
//  - units place 0 keeps its place at the foot; its top edge is the
//    baseline B and place i (0..9) of every wire has its top at B - i S:
//    the stacks stand on one line and their beads touch (place 9 of a
//    19-place wire stands above the wire's top);
//  - places 10..18 stand at the height of places 0..8 in the second column;
//    with touchingColumns the main column starts S right of the second
//    column's left edge, otherwise both keep their design edges;
//  - with wiresThroughBeads each wire passes through the centre of its main
//    column (left of place 0 + S / 2 rounded down); else it keeps its place
//    and its beads stand centred on it (left edge at the wire - S / 2
//    rounded down), whatever their design edges;
//  - the marker is level with the top of units place 4.
AbacusGeometry layoutAbacus(const AbacusDesign& design, const DesignToScreen& toScreen = {});

} // namespace abacus
