// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusCatalog.h"

#include "exercises/abacus/AbacusAddScreen.h"
#include "exercises/abacus/AbacusBuildScreen.h"
#include "exercises/abacus/AbacusReadScreen.h"
#include "exercises/abacus/AbacusSubtractScreen.h"

#include <vector>

using namespace abacus;

namespace {

using When = FrameSetup::When;

// Every abacus screen is designed on the same area, goes back to the menu
// with pictures and has the tall counts box and "avanti" at the right.
const QSizeF Design(AbacusScreen::DesignWidth, AbacusScreen::DesignHeight);
const QString Menu = QStringLiteral("FormMenuGrafici");
constexpr QPointF CountsAt(9420, 300);
constexpr QRectF NextAt(9420, 2700, 2295, 1200);

FrameSetup buildFrame()
{
    return {.menu = Menu,
            .box = FrameSetup::Box::Tall,
            .boxAt = CountsAt,
            .nextAt = NextAt,
            .nextShown = When::AtActivation,
            .maxChoice = FrameSetup::MaxChoice::Plain,
            .maxCommandName = QStringLiteral("mnuMassimo"),
            .maxCommandText = QStringLiteral("Numero massimo"),
            .resetMaxNumber = When::AtActivation,
            .counts = FrameSetup::Counts::Own};
}

FrameSetup readFrame()
{
    return {.menu = Menu,
            .box = FrameSetup::Box::Tall,
            .boxAt = CountsAt,
            .nextAt = NextAt,
            .nextShown = When::AtActivation,
            .maxChoice = FrameSetup::MaxChoice::Full,
            .maxCommandName = QStringLiteral("mnuMassimo"),
            .maxCommandText = QStringLiteral("Numero massimo"),
            .resetMaxNumber = When::AtLoad,
            .frameTextsAtLoad = true};
}

// Addition and subtraction: "avanti" from the start, no maximum choice.
FrameSetup sumFrame()
{
    return {.menu = Menu,
            .box = FrameSetup::Box::Tall,
            .boxAt = CountsAt,
            .nextAt = NextAt,
            .nextShown = When::AtLoad,
            .resetMaxNumber = When::AtLoad};
}

ExerciseRow build(const char* name, const char* title, BuildVariant v)
{
    return {name, title, Design, buildFrame(), screenOf<AbacusBuildScreen>(v)};
}
ExerciseRow read(const char* name, const char* title, ReadVariant v)
{
    return {name, title, Design, readFrame(), screenOf<AbacusReadScreen>(v)};
}
ExerciseRow add(const char* name, const char* title, AddVariant v)
{
    return {name, title, Design, sumFrame(), screenOf<AbacusAddScreen>(v)};
}
ExerciseRow subtract(const char* name, const char* title, SubtractVariant v)
{
    return {name, title, Design, sumFrame(), screenOf<AbacusSubtractScreen>(v)};
}

} // namespace

std::span<const ExerciseRow> abacusRows()
{
    static const std::vector<ExerciseRow> table = {
        build("Form999sem", "Inserisci le palline nell'abaco - 1", {.colouredParts = true}),
        build("Form999a", "Inserisci le palline nell'abaco - 2", {.colouredParts = false}),
        read("Form999b", "Scrivi il numero in cifre", {.instruction = "scrivi il numero in cifre", .inWords = false}),
        read("Form999b1", "Scrivi il numero in parola", {.instruction = "scrivi il numero in lettere", .inWords = true}),
        add("Form999c", "Addizioni senza cambio", {.kind = AdditionKind::NoExchange, .exchanges = false, .touchingColumns = false}),
        add("Form999c1", "Addizioni con un cambio", {.kind = AdditionKind::OneExchange, .exchanges = true, .touchingColumns = true}),
        add("Form999c2", "Addizioni con due cambi", {.kind = AdditionKind::TwoExchanges, .exchanges = true, .touchingColumns = true}),
        add("Form999c3", "Addizioni con e senza cambi", {.kind = AdditionKind::Any, .exchanges = true, .touchingColumns = true}),
        subtract("Form999d", "Sottrazioni senza cambio", {.kind = SubtractionKind::NoExchange, .exchanges = false}),
        subtract("Form999d1", "Sottrazioni con un cambio", {.kind = SubtractionKind::OneExchange, .exchanges = true}),
        subtract("Form999d2", "Sottrazioni con due cambi", {.kind = SubtractionKind::SomeExchange, .exchanges = true}),
        subtract("Form999d3", "Sottrazioni con e senza cambi", {.kind = SubtractionKind::Any, .exchanges = true}),
    };
    return table;
}
