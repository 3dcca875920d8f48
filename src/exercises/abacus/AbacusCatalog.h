// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseRow.h"

// The twelve abacus screens: build the number (Form999sem, Form999a), read
// it (Form999b, Form999b1), add (Form999c..c3) and subtract (Form999d..d3).
std::span<const ExerciseRow> abacusRows();
