// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columns/ColumnsCatalog.h"

#include "exercises/columns/ColumnScreen.h"
#include "exercises/columns/ColumnVariants.h"

#include <vector>

using namespace columns;

std::span<const ExerciseRow> columnRows()
{
    static const std::vector<ExerciseRow> table = [] {
        std::vector<ExerciseRow> r;
        for (const ColumnVariant& v : columnVariants())
            r.push_back({.designName = v.designName,
                         .title = v.title,
                         .design = v.geometry->client,
                         .frame = {.menu = QStringLiteral("FormMenuNumeri"),
                                   .boxAt = v.geometry->countsBox,
                                   .nextAt = v.geometry->next,
                                   .nextAlwaysVisible = true,
                                   .frameTextsAtLoad = v.rules.operation == Operation::Subtraction},
                         .make = screenOf<ColumnScreen>(&v)});
        return r;
    }();
    return table;
}
