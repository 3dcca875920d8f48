// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenCatalog.h"

#include "exercises/abacus/AbacusCatalog.h"
#include "exercises/blocks/BlocksCatalog.h"
#include "exercises/frame/RegisterExercises.h"
#include "exercises/columns/ColumnsCatalog.h"
#include "exercises/numberlines/NumberLinesCatalog.h"
#include "exercises/tables/TablesCatalog.h"
#include "exercises/written/WrittenCatalog.h"
#include "menus/MenuCatalog.h"

void registerScreens(Navigator& navigator)
{
    registerMenus(navigator);
    // One line per exercise family.
    for (std::span<const ExerciseRow> family :
         {writtenRows(), columnRows(), abacusRows(), blocksRows(), tablesRows(), numberLineRows()})
        registerExercises(navigator, family);
}
