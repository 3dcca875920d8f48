// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Fonts.h"

#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>

QStringList registerBundledFonts()
{
    QStringList families;
    QDirIterator it(QStringLiteral(":/assets/fonts"), {QStringLiteral("*.ttf"), QStringLiteral("*.otf")});
    while (it.hasNext()) {
        const int id = QFontDatabase::addApplicationFont(it.next());
        if (id >= 0)
            for (const QString& f : QFontDatabase::applicationFontFamilies(id))
                if (!families.contains(f))
                    families << f;
    }
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    return families;
}
