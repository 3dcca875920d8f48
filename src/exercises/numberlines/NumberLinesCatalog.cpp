// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/numberlines/NumberLinesCatalog.h"

#include "exercises/numberlines/NumberLineLayout.h"
#include "exercises/numberlines/NumberLineScreen.h"

#include <vector>

namespace {

ExerciseRow numberLine(const char* designName, const char* title, Graduation graduation)
{
    namespace L = numberline_layout;
    return {.designName = designName,
            .title = title,
            .design = {L::DesignWidth, L::DesignHeight},
            .frame = {.menu = QStringLiteral("FormMenuGrafici"),
                      .box = FrameSetup::Box::Wide,
                      .boxAt = L::CountsBoxAt,
                      .nextShown = FrameSetup::When::Never,  // a right answer asks the next tick at once
                      .seed = FrameSetup::When::AtActivation},
            .make = screenOf<NumberLineScreen>(graduation)};
}

} // namespace

std::span<const ExerciseRow> numberLineRows()
{
    static const std::vector<ExerciseRow> table = {
        numberLine("FormGradi1", "Linea dei numeri graduata alle unità", Graduation::Units),
        numberLine("FormGradi2", "Linea dei numeri graduata alle decine", Graduation::Tens),
        numberLine("FormGradi3", "Linea dei numeri con graduazioni miste", Graduation::Mixed),
    };
    return table;
}
