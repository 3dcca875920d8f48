// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusLayout.h"
#include "exercises/abacus/AbacusProblems.h"

#include <QString>
#include <vector>

class Navigator;

// The twelve abacus screens as rows of four tables, one per kind of screen.
// The design name is the screen's objectName, its language-file section and
// the tests' handle.
namespace abacus {

// Put the beads for a number shown in words or digits.
struct BuildRow
{
    const char* designName;
    const char* title;
    bool colouredParts;     // the number in three parts, each in its beads' colour
};

// Read the beads and write the number.
struct ReadRow
{
    const char* designName;
    const char* title;
    const char* instruction;
    bool inWords;
};

// Work out an addition or a subtraction on the abacus, type the result.
struct AddRow
{
    const char* designName;
    const char* title;
    AdditionKind kind;
    bool exchanges;         // exchange buttons shown, 19 clicks on tens and units
    bool touchingColumns;
};

struct SubtractRow
{
    const char* designName;
    const char* title;
    SubtractionKind kind;
    bool exchanges;
};

const std::vector<BuildRow>& buildRows();
const std::vector<ReadRow>& readRows();
const std::vector<AddRow>& addRows();
const std::vector<SubtractRow>& subtractRows();

// The wires and bead columns of the build and reading screens (nine places
// each) and of the addition and subtraction screens (nine, nineteen,
// nineteen), in design twips.
AbacusDesign shortWires();
AbacusDesign longWires(bool touchingColumns);
// The exchange button between leftWire and the wire to its right.
QRectF exchangePlace(Wire leftWire);

} // namespace abacus

// Registers the twelve screens with the navigator.
void registerAbacusScreens(Navigator& navigator);
