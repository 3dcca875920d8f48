// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/WrittenCatalog.h"

#include "exercises/written/ComparisonScreen.h"
#include "exercises/written/DigitsToWordsScreen.h"
#include "exercises/written/OrderingScreen.h"
#include "exercises/written/WrittenNumberScreen.h"

#include <vector>

namespace {

using When = FrameSetup::When;

const QString Menu = QStringLiteral("FormMenuNumeri");

// The written-number screen is one design for every mode of the menu.
const FrameSetup WrittenNumberFrame{
    .menu = Menu,
    .box = FrameSetup::Box::Wide,
    .boxAt = {4800, 120},
    .nextAt = {5520, 3120, 2760, 1575},  // level with the answer box
    .nextShown = When::AtActivation,
    .maxChoice = FrameSetup::MaxChoice::Plain,
    .maxCommandName = QStringLiteral("mnuNumeroMassimo"),
    .maxCommandText = QStringLiteral("Numero Massimo     "),
    .resetMaxNumber = When::AtLoad,
    .seed = When::AtLoad,
};

constexpr int WrittenNumberModes = 21;

std::vector<ExerciseRow> rows()
{
    std::vector<ExerciseRow> r;
    for (int mode = 1; mode <= WrittenNumberModes; ++mode)
        r.push_back({.designName = "FormScri",
                     .title = "Scrivi il numero",
                     .design = {9000, 6000},
                     .frame = WrittenNumberFrame,
                     .make = screenOf<WrittenNumberScreen>(),
                     .variant = mode});
    r.push_back({.designName = "FormScri2",
                 .title = "Dalle cifre alla parola",
                 .design = {8400, 5400},
                 .frame = {.menu = Menu,
                           .box = FrameSetup::Box::Wide,
                           .boxAt = {4185, 120},
                           .nextAt = {4920, 3840, 2520, 1200},
                           .nextShown = When::AtActivation,
                           .maxChoice = FrameSetup::MaxChoice::Plain,
                           .maxCommandName = QStringLiteral("mnuNumeroMassimo"),
                           .maxCommandText = QStringLiteral("Numero Massimo     "),
                           .resetMaxNumber = When::AtLoad,
                           .seed = When::AtLoad},
                 .make = screenOf<DigitsToWordsScreen>()});
    r.push_back({.designName = "FormMM",
                 .title = "Maggiore, minore o uguale",
                 .design = {8400, 6120},
                 .frame = {.menu = Menu,
                           .box = FrameSetup::Box::Wide,
                           .boxAt = {4185, 120},
                           .nextAt = {2940, 4920, 2520, 1080},
                           .nextShown = When::AtActivation,
                           .seed = When::AtLoad},
                 .make = screenOf<ComparisonScreen>()});
    r.push_back({.designName = "FormOrd",
                 .title = "Ordina i numeri",
                 .design = {9360, 6000},
                 .frame = {.menu = Menu,
                           .box = FrameSetup::Box::Tall,
                           .boxAt = {6945, 120},
                           .nextAt = {6945, 2640, 2295, 1200},
                           .nextShown = When::AtLoad,
                           .maxChoice = FrameSetup::MaxChoice::Plain,
                           .maxCommandName = QStringLiteral("mnuMassimo"),
                           .maxCommandText = QStringLiteral("Numero massimo"),
                           .resetMaxNumber = When::AtLoad},
                 .make = screenOf<OrderingScreen>()});
    return r;
}

} // namespace

std::span<const ExerciseRow> writtenRows()
{
    static const std::vector<ExerciseRow> table = rows();
    return table;
}
