// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/ExerciseFamilies.h"

#include <QHash>

QString exerciseFamily(const QString& designName)
{
    static const QHash<QString, QString> families = [] {
        QHash<QString, QString> f;
        const auto add = [&f](const QString& family, std::initializer_list<const char*> names) {
            for (const char* n : names)
                f.insert(QLatin1String(n), family);
        };
        add(QStringLiteral("written"), {"FormScri", "FormScri2", "FormMM", "FormOrd"});
        add(QStringLiteral("columns"),
            {"FormCola", "FormColb", "FormColc", "FormColD", "Form33", "Form34", "Form36", "Form37"});
        add(QStringLiteral("abacus"), {"Form999sem", "Form999a", "Form999b", "Form999b1", "Form999c", "Form999c1",
                                       "Form999c2", "Form999c3", "Form999d", "Form999d1", "Form999d2", "Form999d3"});
        add(QStringLiteral("blocks"), {"Form999x", "Form999y", "Form999z"});
        add(QStringLiteral("tables"), {"Form100Trova2", "Form100Ricon2", "FormC100", "Form100g", "Form500g"});
        add(QStringLiteral("numberlines"), {"FormGradi1", "FormGradi2", "FormGradi3"});
        return f;
    }();
    return families.value(designName);
}
