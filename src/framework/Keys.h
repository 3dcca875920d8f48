// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For boxes in which words are typed: the letters a..z (97..122) become
// A..Z (65..90); every other code, accented letters included, is unchanged.
int upperCaseKey(int keyCode);
