#include "app/ScreenCatalog.h"

#include "exercises/numberlines/NumberLineScreen.h"
#include "exercises/abacus/AbacusScreens.h"
#include "exercises/columns/ColumnScreen.h"
#include "exercises/tables/TablesCatalog.h"
#include "exercises/blocks/BlocksScreens.h"
#include "exercises/written/ComparisonScreen.h"
#include "exercises/written/OrderingScreen.h"
#include "exercises/written/WrittenNumberScreen.h"
#include "exercises/written/DigitsToWordsScreen.h"
#include "menus/StartScreen.h"
#include "menus/MainMenu.h"
#include "menus/PicturesMenu.h"
#include "menus/NumbersMenu.h"
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
    add<StartScreen>(navigator, "FormAvvio");
    add<MainMenu>(navigator, "FormMenu");
    add<NumbersMenu>(navigator, "FormMenuNumeri");
    add<PicturesMenu>(navigator, "FormMenuGrafici");
    // The written-number screen takes the mode the menu chose, once, as it opens.
    navigator.add(QStringLiteral("FormScri"),
                  [](AppContext& app) -> Screen* { return new WrittenNumberScreen(app, app.state.exerciseType); });
    add<DigitsToWordsScreen>(navigator, "FormScri2");
    add<ComparisonScreen>(navigator, "FormMM");
    add<OrderingScreen>(navigator, "FormOrd");
    registerNumberLineScreens(navigator);
    registerAbacusScreens(navigator);
    registerColumnScreens(navigator);
    registerTablesScreens(navigator);
    registerBlocksScreens(navigator);
}
