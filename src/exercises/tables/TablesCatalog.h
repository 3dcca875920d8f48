// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Navigator;

// The hundred-table and square screens: Form100Trova2, Form100Ricon2,
// FormC100, Form100g and Form500g.
void registerTablesScreens(Navigator& navigator);
