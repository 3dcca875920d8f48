// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/RegisterExercises.h"

#include "exercises/frame/ExerciseScreen.h"
#include "framework/Navigator.h"

void registerExercises(Navigator& navigator, std::span<const ExerciseRow> rows)
{
    for (const ExerciseRow& first : rows) {
        const QString name = QString::fromLatin1(first.designName);
        if (navigator.canOpen(name))
            continue;
        navigator.add(name, [rows, &first](AppContext& app, int variant) -> Screen* {
            for (const ExerciseRow& row : rows)
                if (row.variant == variant && qstrcmp(row.designName, first.designName) == 0)
                    return row.make(app, row);
            return first.make(app, first);
        });
    }
}
