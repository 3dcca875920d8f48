// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusLayout.h"
#include "exercises/abacus/AbacusProblems.h"

#include <QString>

// What differs between the abacus screens of one kind, and the wires they
// are drawn on. The catalogue gives each screen its variant.
namespace abacus {

// Put the beads for a number shown in words or digits.
struct BuildVariant
{
    bool colouredParts;     // the number in three parts, each in its beads' colour
};

// Read the beads and write the number.
struct ReadVariant
{
    const char* instruction;
    bool inWords;
};

// Work out an addition or a subtraction on the abacus, type the result.
struct AddVariant
{
    AdditionKind kind;
    bool exchanges;         // exchange buttons shown, 19 clicks on tens and units
    bool touchingColumns;
};

struct SubtractVariant
{
    SubtractionKind kind;
    bool exchanges;
};

// The wires and bead columns of the build and reading screens (nine places
// each) and of the addition and subtraction screens (nine, nineteen,
// nineteen), in design twips.
AbacusDesign shortWires();
AbacusDesign longWires(bool touchingColumns);
// The exchange button between leftWire and the wire to its right.
QRectF exchangePlace(Wire leftWire);

} // namespace abacus
