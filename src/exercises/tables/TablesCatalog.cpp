// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/TablesCatalog.h"

#include "exercises/tables/HundredTableScreens.h"
#include "exercises/tables/SquaresScreen.h"
#include "exercises/tables/TableSumScreen.h"
#include "framework/Navigator.h"

void registerTablesScreens(Navigator& navigator)
{
    navigator.add(QStringLiteral("Form100Trova2"), [](AppContext& app) -> Screen* { return new FindNumberScreen(app); });
    navigator.add(QStringLiteral("Form100Ricon2"),
                  [](AppContext& app) -> Screen* { return new RecogniseNumberScreen(app); });
    navigator.add(QStringLiteral("FormC100"), [](AppContext& app) -> Screen* { return new TableSumScreen(app); });
    for (const SquaresVariant& v : SquaresScreen::variants())
        navigator.add(QString::fromLatin1(v.designName),
                      [&v](AppContext& app) -> Screen* { return new SquaresScreen(app, v); });
}
