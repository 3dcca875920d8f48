// SPDX-License-Identifier: GPL-3.0-or-later
// The INI writer, on a settings file in a folder in memory: whatever the
// file held, the value written is the one read back, by the section reader
// or, above its limit, by the line scan. Files above the limit, which are
// copied through in blocks, come from small inputs too (FuzzSupport.h).
#include "FuzzSupport.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzzing;
    const QByteArray bytes = fileBytes(data, size);
    const QString file = memoryFolder() + QStringLiteral("/LangSetting.ini");
    writeFile(file, bytes);

    const QString value = QStringLiteral("Fran\u00E7ais");
    if (ini::writeValue(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), value)
        && ini::readValue(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage")) != value)
        fail(QFileInfo(file).size() <= ini::SectionReaderLimit ? "the value written is not the one read back"
                                                                : "the value written is not the one the line scan reads");
    return 0;
}
