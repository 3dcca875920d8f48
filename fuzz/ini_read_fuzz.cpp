// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader of language and settings files, in memory, both ways it
// reads (the section reader, and the line scan of a file above its
// limit), and the decoder of their bytes. A key asked alone gives what it
// gives asked with others; the section reader never gives more than its
// limit.
#include "FuzzSupport.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzzing;
    const QByteArray bytes = fileBytes(data, size);
    const bool large = bytes.size() > ini::SectionReaderLimit;
    static const QStringList keys = {QStringLiteral("0001"), QStringLiteral("Command1.Caption"),
                                     QStringLiteral("Label2(0).Caption"), QStringLiteral("CurrentLanguage"),
                                     QStringLiteral("0"), QString()};
    // The line scan ignores sections: one is enough there.
    const QStringList sections = large ? QStringList{QStringLiteral("Strings")}
                                       : QStringList{QStringLiteral("Strings"), QStringLiteral("FormMenu")};
    const qsizetype alone = size > 1 ? data[size - 1] % keys.size() : 0;
    for (const QString& section : sections) {
        const auto all = ini::readValuesIn(bytes, section, keys);
        if (all.size() != std::size_t(keys.size()))
            fail("one value per key");
        for (qsizetype i = 0; i < keys.size(); ++i)
            if (!large && all[i] && all[i]->size() > ini::MaxValueLength)
                fail("the section reader gave more than its limit");
        if (ini::readValuesIn(bytes, section, {keys[alone]}).front() != all[alone])
            fail("a key asked alone reads otherwise than with others");
    }
    if (!large) {
        const QString text = ini::decode(bytes);
        if (bytes.size() > 0 && text.isEmpty() && !bytes.startsWith("\xEF\xBB\xBF"))
            fail("bytes decoded to nothing");
    }
    return 0;
}
