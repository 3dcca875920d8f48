// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseRow.h"

// The three screens of "piatti lunghi e unità": Form999x, where the child
// builds a number with blocks, and Form999y / Form999z, where the child
// reads a block drawing and writes the number in digits or in words.
std::span<const ExerciseRow> blocksRows();
