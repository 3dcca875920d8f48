// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/TablesCatalog.h"

#include "exercises/tables/HundredTableScreens.h"
#include "exercises/tables/SquaresScreen.h"
#include "exercises/tables/TableSumScreen.h"

#include <vector>

namespace {

using When = FrameSetup::When;
namespace H = HundredTableLayout;

const QString Menu = QStringLiteral("FormMenuGrafici");

// Both hundred tables: the counts box centred over the column beside the
// table, "avanti" at its foot.
FrameSetup hundredTableFrame()
{
    return {.menu = Menu,
            .box = FrameSetup::Box::Tall,
            .boxAt = {H::Column + (H::ColumnWidth - 2295) / 2, 120},
            .nextAt = {H::Column, 5160, H::ColumnWidth, 1095},
            .nextShown = When::AtActivation};
}

FrameSetup squaresFrame(QPointF boxAt, QRectF nextAt)
{
    return {.menu = Menu, .box = FrameSetup::Box::Tall, .boxAt = boxAt, .nextAt = nextAt, .nextShown = When::AtLoad};
}

using Button = SquaresVariant::ColourButton;

} // namespace

std::span<const ExerciseRow> tablesRows()
{
    static const std::vector<ExerciseRow> table = {
        {.designName = "Form100Trova2",
         .title = "Trova il numero",
         .design = {H::DesignWidth, H::DesignHeight},
         .frame = hundredTableFrame(),
         .make = screenOf<FindNumberScreen>()},
        {.designName = "Form100Ricon2",
         .title = "Riconosci il numero",
         .design = {H::DesignWidth, H::DesignHeight},
         .frame = hundredTableFrame(),
         .make = screenOf<RecogniseNumberScreen>()},
        {.designName = "FormC100",
         .title = "Costruisci il 100 con la tabella",
         .design = {12360, 7800},
         .frame = {.menu = Menu,
                   .box = FrameSetup::Box::Tall,
                   .boxAt = {8820, 240},
                   .nextAt = {8700, 5520, 2520, 1095},
                   .nextShown = When::AtLoad,
                   .counts = FrameSetup::Counts::Own},
         .make = screenOf<TableSumScreen>()},
        {.designName = "Form100g",
         .title = "Costruisci il 100 con il quadrato",
         .design = {9600, 7320},
         .frame = squaresFrame({6840, 240}, {6720, 5640, 2520, 1095}),
         .make = screenOf<SquaresScreen>(SquaresVariant{
             .draw = &SquareSumProblem::drawHundred,
             .smallOrigin = {240, 1080},
             .smallSize = 600,
             .smallPitch = 600,
             .bigSquares = {},
             .blank = QColor(128, 255, 128),
             .equationAt = {240, 240},
             .ten = Button{"Command1", "Colora una decina", {6600, 2640, 2775, 735}, SquaresScreen::TenColour},
             .unit = Button{"Command2", "Colora un'unità", {6600, 3480, 2775, 735}, SquaresScreen::UnitColour},
             .hundred = std::nullopt,
             .restartAt = {6600, 4320, 2775, 735}})},
        {.designName = "Form500g",
         .title = "Costruisci il 500 con i quadrati",
         .design = {8760, 6720},
         .frame = squaresFrame({6240, 120}, {6240, 5400, 2295, 1095}),
         .make = screenOf<SquaresScreen>(SquaresVariant{
             .draw = &SquareSumProblem::drawFiveHundred,
             .smallOrigin = {2205, 2370},
             .smallSize = 180,
             .smallPitch = 165,
             .bigSquares = {{360, 240, 1665, 1665}, {2205, 240, 1665, 1665}, {4080, 240, 1665, 1665},
                            {360, 2400, 1665, 1665}},
             .blank = QColor(192, 255, 255),
             .equationAt = {360, 4440},
             .ten = Button{"Command1", "decina", {6120, 3240, 2295, 600}, SquaresScreen::TenColour},
             .unit = Button{"Command2", "unità", {6120, 3960, 2295, 600}, QColor(0, 0, 128)},
             .hundred = Button{"Command3", "centinaio", {6120, 2520, 2295, 600}, SquaresScreen::HundredColour},
             .restartAt = {6120, 4680, 2295, 600}})},
    };
    return table;
}
