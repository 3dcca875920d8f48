// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenCatalog.h"

#include "exercises/numberlines/NumberLineScreen.h"
#include "exercises/abacus/AbacusScreens.h"
#include "exercises/columns/ColumnScreen.h"
#include "exercises/tables/TablesCatalog.h"
#include "exercises/blocks/BlocksScreens.h"
#include "exercises/written/FormMM.h"
#include "exercises/written/FormOrd.h"
#include "exercises/written/FormScri.h"
#include "exercises/written/FormScri2.h"
#include "menus/FormAvvio.h"
#include "menus/FormMenu.h"
#include "menus/FormMenuGrafici.h"
#include "menus/FormMenuNumeri.h"
#include "framework/AppContext.h"
#include "framework/Navigator.h"

namespace {
template <class S>
void add(Navigator& navigator, const char* name)
{
    navigator.add(QString::fromLatin1(name), [](AppContext& app) -> Screen* { return new S(app); });
}
} // namespace

void registerScreens(Navigator& navigator)
{
    add<FormAvvio>(navigator, "FormAvvio");
    add<FormMenu>(navigator, "FormMenu");
    add<FormMenuNumeri>(navigator, "FormMenuNumeri");
    add<FormMenuGrafici>(navigator, "FormMenuGrafici");
    // The written-number screen takes the mode the menu chose, once, as it opens.
    navigator.add(QStringLiteral("FormScri"),
                  [](AppContext& app) -> Screen* { return new FormScri(app, app.state.exerciseType); });
    add<FormScri2>(navigator, "FormScri2");
    add<FormMM>(navigator, "FormMM");
    add<FormOrd>(navigator, "FormOrd");
    registerNumberLineScreens(navigator);
    registerAbacusScreens(navigator);
    registerColumnScreens(navigator);
    registerTablesScreens(navigator);
    registerBlocksScreens(navigator);
}
