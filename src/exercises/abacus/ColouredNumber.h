// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <array>

// The number of the coloured build screen in three parts, hundreds, tens and
// units, each shown in the colour of its beads, side by side so that they
// read as one word (or one number) centred in a white box.

namespace abacus {

struct ColouredNumber
{
    // Hundreds, tens, units; an empty part takes no room.
    std::array<QString, 3> parts;
    // The units part stands before the tens part (UNDICI..SEDICI: "UN"
    // "DICI").
    bool unitsFirst = false;
    bool operator==(const ColouredNumber&) const = default;
};

// The Italian words, whatever language the number words are in:
// 317 "TRECENTO" "DICIA" "SSETTE", 311 "TRECENTO" "DICI" "UN" with the units
// first, 21 "VENT" "UNO", 0 "ZERO" as units.
ColouredNumber colouredWords(int n);
// The digits: hundreds only when there are some, tens when there are
// hundreds or tens, units always (305 "3" "0" "5", 42 "" "4" "2").
ColouredNumber colouredDigits(int n);

// Left edges of the three parts (indexed hundreds, tens, units) inside a
// box of boxWidth: together they are centred, each starting at the right
// edge of the one before in reading order.
std::array<double, 3> partLefts(const std::array<double, 3>& widths, double boxWidth, bool unitsFirst);

} // namespace abacus
