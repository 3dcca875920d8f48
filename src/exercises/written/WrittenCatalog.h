// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseRow.h"

// The screens of numbers written in digits and in words: the written-number
// screen in its twenty-one modes (FormScri), from digits to words
// (FormScri2), comparing (FormMM) and ordering (FormOrd).
std::span<const ExerciseRow> writtenRows();
