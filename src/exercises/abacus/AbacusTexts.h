// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusModel.h"

#include <QString>
#include <QStringList>

// The message strings the abacus screens read: what each wire holds, what
// each button does and what a bead is, for the accessible names.
namespace abacus::texts {

// "Centinaia: nessuna pallina", "... una pallina", "... %1 palline".
QString wireCountKey(Wire w, int beads);
// Bot_h, Bot_da, Bot_u on the build and addition screens (left adds, other
// buttons take off).
QString addOrRemoveKey(Wire w);
// "+ h" .. and "- h" .. of the subtraction screens.
QString addKey(Wire w);
QString removeKey(Wire w);
// BottoneCambio (units, tens) and BottoneCambio2 (tens, hundreds).
QString exchangeUpKey(Wire source);
QString exchangeDownKey(Wire source);
QString restartKey();
QString confirmKey();
QString beadKey(Wire w);
// The five-bead marker and the abacus's base.
QString markerKey();
QString baseKey();

// Every key above, in order.
QStringList allKeys();

} // namespace abacus::texts
