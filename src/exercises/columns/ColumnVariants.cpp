// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columns/ColumnVariants.h"

#include <QString>

namespace columns {

namespace {

// The plus sign: a bar 720 long and an upright 840 long crossing at their
// middles.
QLineF plusBar(QPointF crossing)
{
    return {crossing.x() - 360, crossing.y(), crossing.x() + 360, crossing.y()};
}
QLineF plusUpright(QPointF crossing)
{
    return {crossing.x(), crossing.y() - 420, crossing.x(), crossing.y() + 420};
}

constexpr std::array<const char*, 3> AdditionHeadings = {"Eh", "Label4", "Label5"};

ColumnGeometry makePlainAddition()
{
    ColumnGeometry g;
    g.client = {10200, 7080};
    g.columnLeft = {1800, 3240, 4680};
    g.rowTop = {2880, 4200, 5760};
    g.headingTop = 2520;
    g.headingNames = AdditionHeadings;
    g.bar = {1680, 5520, 6120, 5520};
    g.stroke = plusBar({6360, 3360});
    g.upright = plusUpright({6360, 3360});
    g.message = {240, 120};
    g.textLine = {240, 1100};
    g.countsBox = {7680, 2880};
    g.next = {7680, 5400, 2295, 1095};
    return g;
}

ColumnGeometry makeExchangeAddition()
{
    ColumnGeometry g;
    g.client = {10200, 7680};
    g.columnLeft = {1800, 3480, 5160};
    g.rowTop = {3480, 4800, 6360};
    g.headingTop = 3120;
    g.headingNames = AdditionHeadings;
    g.bar = {1320, 6120, 6600, 6120};
    g.stroke = plusBar({6720, 3960});
    g.upright = plusUpright({6720, 3960});
    g.message = {240, 120};
    g.textLine = {240, 1100};
    // The "1" of a column sum waits beside the box that made it, and goes
    // to the top of the next column.
    g.departure[UnitsExchange] = {4800, 6360};
    g.departure[TensExchange] = {3120, 6360};
    g.arrival[UnitsExchange] = {3480, 2880};
    g.arrival[TensExchange] = {1800, 2880};
    g.countsBox = {7680, 3480};
    g.next = {7680, 6000, 2295, 1095};
    return g;
}

ColumnGeometry makePlainSubtraction()
{
    ColumnGeometry g;
    g.client = {10200, 7080};
    g.columnLeft = {1800, 3240, 4680};
    g.rowTop = {2880, 4200, 5760};
    g.headingTop = 2520;
    g.headingNames = {"Eh", "Label4", "Label5"};
    g.bar = {1680, 5520, 6120, 5520};
    g.stroke = {6000, 3360, 6720, 3360};
    g.message = {240, 120};
    g.textLine = {240, 1095};
    g.countsBox = {7680, 2880};
    g.next = {7680, 5400, 2295, 1095};
    return g;
}

ColumnGeometry makeExchangeSubtraction()
{
    ColumnGeometry g;
    g.client = {10200, 7320};
    g.columnLeft = {1440, 3120, 4800};
    g.rowTop = {3000, 4320, 5880};
    g.headingTop = 2760;
    g.headingNames = {"Label2", "Label1", "Label5"};
    g.bar = {1800, 5640, 6240, 5640};
    g.stroke = {6120, 3480, 6840, 3480};
    g.message = {360, 240};
    g.textLine = {360, 1200};
    // The lending column's mark stands over it; the "1" it lends arrives
    // just left of the digit that receives it.
    g.departure[UnitsExchange] = {3120, 2400};
    g.departure[TensExchange] = {1440, 2400};
    g.arrival[UnitsExchange] = {4440, 3000};
    g.arrival[TensExchange] = {2760, 3000};
    g.countsBox = {7680, 3000};
    g.next = {7680, 5520, 2295, 1095};
    return g;
}

// Message numbers by moment, in the order of the Moment enumeration:
// NewProblem, TopPlaced, BottomPlaced, UnitsNoExchange, UnitsExchange,
// UnitsExchangeMoved, UnitsAccepted, TensNoExchange, TensExchange,
// TensExchangeMoved, TensAccepted.
constexpr std::array<int, MomentCount> hints(int newProblem, int topPlaced, int bottomPlaced,
                                             int unitsNoExchange, int unitsExchange, int unitsMoved,
                                             int unitsAccepted, int tensNoExchange, int tensExchange,
                                             int tensMoved, int tensAccepted)
{
    return {newProblem, topPlaced, bottomPlaced, unitsNoExchange, unitsExchange, unitsMoved,
            unitsAccepted, tensNoExchange, tensExchange, tensMoved, tensAccepted};
}

ColumnRules addition(bool exchanges, std::array<int, MomentCount> keys)
{
    return {Operation::Addition, exchanges, keys};
}
ColumnRules subtraction(bool exchanges, std::array<int, MomentCount> keys)
{
    return {Operation::Subtraction, exchanges, keys};
}

} // namespace

const ColumnGeometry& plainAdditionGeometry()
{
    static const ColumnGeometry g = makePlainAddition();
    return g;
}
const ColumnGeometry& exchangeAdditionGeometry()
{
    static const ColumnGeometry g = makeExchangeAddition();
    return g;
}
const ColumnGeometry& plainSubtractionGeometry()
{
    static const ColumnGeometry g = makePlainSubtraction();
    return g;
}
const ColumnGeometry& exchangeSubtractionGeometry()
{
    static const ColumnGeometry g = makeExchangeSubtraction();
    return g;
}

std::span<const ColumnVariant> columnVariants()
{
    //                         new  top  bottom unitsNo unitsEx unitsMoved unitsOk tensNo tensEx tensMoved tensOk
    static const ColumnVariant variants[] = {
        {"FormCola", "Addizioni in colonna senza cambi", additionWithoutExchanges,
         addition(false, hints(98, 99, 100, 0, 0, 0, 97, 0, 0, 0, 96)), &plainAdditionGeometry()},
        {"FormColc", "Addizioni in colonna con un cambio", additionOneExchange,
         addition(true, hints(116, 117, 118, 0, 114, 111, 115, 0, 112, 110, 113)), &exchangeAdditionGeometry()},
        {"FormColD", "Addizioni in colonna con due cambi", additionTwoExchanges,
         addition(true, hints(125, 126, 127, 0, 123, 120, 124, 0, 121, 119, 122)), &exchangeAdditionGeometry()},
        {"FormColb", "Addizioni in colonna con e senza cambi", additionAnyExchanges,
         addition(true, hints(107, 108, 109, 0, 105, 102, 106, 0, 103, 101, 104)), &exchangeAdditionGeometry()},
        {"Form33", "Sottrazioni in colonna senza cambi", subtractionWithoutExchanges,
         subtraction(false, hints(66, 67, 68, 0, 0, 0, 65, 0, 0, 0, 64)), &plainSubtractionGeometry()},
        {"Form36", "Sottrazioni in colonna con un cambio", subtractionOneExchange,
         subtraction(true, hints(81, 82, 0, 85, 83, 79, 0, 86, 84, 78, 80)), &exchangeSubtractionGeometry()},
        {"Form37", "Sottrazioni in colonna con due cambi", subtractionTwoExchanges,
         subtraction(true, hints(90, 91, 0, 94, 92, 88, 0, 95, 93, 87, 89)), &exchangeSubtractionGeometry()},
        {"Form34", "Sottrazioni in colonna con e senza cambi", subtractionAnyExchanges,
         subtraction(true, hints(72, 73, 0, 76, 74, 70, 0, 77, 75, 69, 71)), &exchangeSubtractionGeometry()},
    };
    return variants;
}

const ColumnVariant* columnVariant(const QString& designName)
{
    for (const ColumnVariant& v : columnVariants())
        if (designName == QLatin1String(v.designName))
            return &v;
    return nullptr;
}

} // namespace columns
