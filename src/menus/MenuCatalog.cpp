// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/MenuCatalog.h"

#include "framework/Navigator.h"
#include "menus/MainMenu.h"
#include "menus/NumbersMenu.h"
#include "menus/PicturesMenu.h"
#include "menus/ResultsScreen.h"
#include "menus/StartScreen.h"

namespace {
template <class S>
void add(Navigator& navigator, const char* designName)
{
    navigator.add(QString::fromLatin1(designName), [](AppContext& app) -> Screen* { return new S(app); });
}
} // namespace

void registerMenus(Navigator& navigator)
{
    add<StartScreen>(navigator, "FormAvvio");
    add<MainMenu>(navigator, "FormMenu");
    add<NumbersMenu>(navigator, "FormMenuNumeri");
    add<PicturesMenu>(navigator, "FormMenuGrafici");
    add<ResultsScreen>(navigator, "FormRisultati");
}
