// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseRow.h"

// The eight column additions and subtractions, in the order of the
// numbers menu.
std::span<const ExerciseRow> columnRows();
