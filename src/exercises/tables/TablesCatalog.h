// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseRow.h"

// The hundred-table and square screens: Form100Trova2, Form100Ricon2,
// FormC100, Form100g and Form500g.
std::span<const ExerciseRow> tablesRows();
