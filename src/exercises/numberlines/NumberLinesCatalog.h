// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseRow.h"

// The three graduated number lines: by units, by tens, mixed.
std::span<const ExerciseRow> numberLineRows();
