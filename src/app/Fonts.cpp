// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Fonts.h"

#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QResource>

QStringList registerBundledFonts()
{
    QStringList families;
    QDirIterator it(QStringLiteral(":/assets/fonts"));
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String(".ttf")) && !path.endsWith(QLatin1String(".otf")))
            continue;
        // The fonts are compiled in uncompressed: the font database reads
        // them where they lie in the program, without a copy.
        const QResource font(path);
        const QByteArray data = font.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(font.data()), qsizetype(font.size()))
            : font.uncompressedData();
        const int id = QFontDatabase::addApplicationFontFromData(data);
        if (id >= 0)
            for (const QString& f : QFontDatabase::applicationFontFamilies(id))
                if (!families.contains(f))
                    families << f;
    }
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    return families;
}
