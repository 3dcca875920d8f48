// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusScreens.h"

#include "exercises/abacus/AbacusAddScreen.h"
#include "exercises/abacus/AbacusBuildScreen.h"
#include "exercises/abacus/AbacusReadScreen.h"
#include "exercises/abacus/AbacusSubtractScreen.h"
#include "framework/Navigator.h"

namespace abacus {

const std::vector<BuildRow>& buildRows()
{
    static const std::vector<BuildRow> rows = {
        {"Form999sem", "Inserisci le palline nell'abaco - 1", true},
        {"Form999a", "Inserisci le palline nell'abaco - 2", false},
    };
    return rows;
}

const std::vector<ReadRow>& readRows()
{
    static const std::vector<ReadRow> rows = {
        {"Form999b", "Scrivi il numero in cifre", "scrivi il numero in cifre", false},
        {"Form999b1", "Scrivi il numero in parola", "scrivi il numero in lettere", true},
    };
    return rows;
}

const std::vector<AddRow>& addRows()
{
    static const std::vector<AddRow> rows = {
        {"Form999c", "Addizioni senza cambio", AdditionKind::NoExchange, false, false},
        {"Form999c1", "Addizioni con un cambio", AdditionKind::OneExchange, true, true},
        {"Form999c2", "Addizioni con due cambi", AdditionKind::TwoExchanges, true, true},
        {"Form999c3", "Addizioni con e senza cambi", AdditionKind::Any, true, true},
    };
    return rows;
}

const std::vector<SubtractRow>& subtractRows()
{
    static const std::vector<SubtractRow> rows = {
        {"Form999d", "Sottrazioni senza cambio", SubtractionKind::NoExchange, false},
        {"Form999d1", "Sottrazioni con un cambio", SubtractionKind::OneExchange, true},
        {"Form999d2", "Sottrazioni con due cambi", SubtractionKind::SomeExchange, true},
        {"Form999d3", "Sottrazioni con e senza cambi", SubtractionKind::Any, true},
    };
    return rows;
}

AbacusDesign shortWires()
{
    AbacusDesign d;
    d.wireTop = 2400;
    d.wireBottom = 6900;   // 4500: beads of 500
    d.wireX = {2600, 4700, 6800};
    d.mainLeft = {2350, 4450, 6550};
    d.secondLeft = d.mainLeft;
    d.places = {9, 9, 9};
    d.unitsFootTop = 6400;
    d.markerLeft = 1800;
    d.markerRight = 7600;
    return d;
}

AbacusDesign longWires(bool touchingColumns)
{
    AbacusDesign d;
    d.wireTop = 2700;
    d.wireBottom = 6750;   // 4050: beads of 450, the tenth above the wire
    d.wireX = {2125, 4605, 7105};
    d.mainLeft = {1900, 4380, 6880};
    d.secondLeft = {1900, 3900, 6400};
    d.places = {9, 19, 19};
    d.unitsFootTop = 6300;
    d.markerLeft = 1600;
    d.markerRight = 7530;
    d.touchingColumns = touchingColumns;
    d.wiresThroughBeads = true;
    return d;
}

QRectF exchangePlace(Wire leftWire)
{
    // In the gap between the left wire's beads and the right wire's second
    // column, above the five-bead marker.
    return leftWire == Wire::Tens ? QRectF(4930, 3000, 1370, 650) : QRectF(2450, 3000, 1350, 650);
}

} // namespace abacus

void registerAbacusScreens(Navigator& navigator)
{
    using namespace abacus;
    for (const BuildRow& row : buildRows())
        navigator.add(QString::fromLatin1(row.designName),
                      [&row](AppContext& app) -> Screen* { return new AbacusBuildScreen(app, row); });
    for (const ReadRow& row : readRows())
        navigator.add(QString::fromLatin1(row.designName),
                      [&row](AppContext& app) -> Screen* { return new AbacusReadScreen(app, row); });
    for (const AddRow& row : addRows())
        navigator.add(QString::fromLatin1(row.designName),
                      [&row](AppContext& app) -> Screen* { return new AbacusAddScreen(app, row); });
    for (const SubtractRow& row : subtractRows())
        navigator.add(QString::fromLatin1(row.designName),
                      [&row](AppContext& app) -> Screen* { return new AbacusSubtractScreen(app, row); });
}
