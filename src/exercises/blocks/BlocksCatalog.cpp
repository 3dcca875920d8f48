// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksCatalog.h"

#include "exercises/blocks/BlocksBuildScreen.h"
#include "exercises/blocks/BlocksReadScreen.h"

#include <vector>

namespace {

using When = FrameSetup::When;

const QString Menu = QStringLiteral("FormMenuGrafici");
const QString MaxCommand = QStringLiteral("MenuNumeroMassimo");
const QString MaxCommandText = QStringLiteral("Scegli il numero massimo");

// The two reading screens differ in their counts box, their "avanti" and
// when they choose all numbers up to 999.
FrameSetup readFrame(QPointF boxAt, QRectF nextAt, When chooseAllNumbers)
{
    return {.menu = Menu,
            .box = FrameSetup::Box::Tall,
            .boxAt = boxAt,
            .nextAt = nextAt,
            .nextShown = When::AtActivation,
            .maxChoice = FrameSetup::MaxChoice::Blocks,
            .maxCommandName = MaxCommand,
            .maxCommandText = MaxCommandText,
            .selectMaxOption8 = chooseAllNumbers};
}

} // namespace

std::span<const ExerciseRow> blocksRows()
{
    static const std::vector<ExerciseRow> table = {
        {.designName = "Form999x",
         .title = "Dal numero al disegno",
         .design = {9360, 6600},
         .frame = {.menu = Menu,
                   .box = FrameSetup::Box::Tall,
                   .boxAt = {6840, 120},
                   .nextAt = {3840, 5040, 2160, 975},
                   .nextShown = When::AtLoadAndActivation,
                   .maxChoice = FrameSetup::MaxChoice::Blocks,
                   .maxCommandName = MaxCommand,
                   .maxCommandText = MaxCommandText,
                   .selectMaxOption8 = When::AtLoad,
                   .counts = FrameSetup::Counts::Own},
         .make = screenOf<BlocksBuildScreen>()},
        {.designName = "Form999y",
         .title = "Dal disegno al numero",
         .design = {9360, 6000},
         .frame = readFrame({6840, 360}, {7080, 4320, 2040, 1020}, When::AtLoad),
         .make = screenOf<BlocksReadScreen>(BlocksReadVariant{
             .instruction = QStringLiteral("Scrivi il numero in cifre"),
             .answer = BlocksReadVariant::Answer::Digits,
             .answerAt = {3720, 4200, 3105, 1140},
             .answerPoints = 24,
             .instructionAt = {4080, 3930},
             .instructionSize = {4200, 270},
             .layout = &blockLayouts::readDigits})},
        {.designName = "Form999z",
         .title = "Dal disegno alla parola",
         .design = {9360, 6000},
         .frame = readFrame({6840, 240}, {6960, 2760, 2040, 1020}, When::AtActivation),
         .make = screenOf<BlocksReadScreen>(BlocksReadVariant{
             .instruction = QStringLiteral("Scrivi il numero in parola"),
             .answer = BlocksReadVariant::Answer::Words,
             .answerAt = {3675, 4440, 5040, 1140},
             .answerPoints = 14.25,
             .instructionAt = {3990, 4200},
             .instructionSize = {4500, 240},
             .layout = &blockLayouts::readWords})},
    };
    return table;
}
