// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseRow.h"

class Navigator;

// Registers the rows by design name. Opening a design name with a variant
// builds the row of that variant, or the name's first row when none has it
// (a screen of one row takes any variant).
void registerExercises(Navigator& navigator, std::span<const ExerciseRow> rows);
