// SPDX-License-Identifier: GPL-3.0-or-later
// A language file as the program reads it (LanguageFiles): the numbered
// message strings of section Strings, a screen's section with the keys of
// its control arrays, the language of number words, small files and large
// ones (scanned once per screen, the screen's later lookups answered from
// that scan). Every text comes cut to the shown limit and is what the
// reader gives for the same bytes.
#include "FuzzSupport.h"
#include "lang/LanguageFiles.h"

#include <QLoggingCategory>
#include <QStringList>

namespace {

QStringList messageKeys()
{
    QStringList keys;
    for (int k = 0; k <= 17; ++k)
        keys << QStringLiteral("%1").arg(k, 4, 10, QLatin1Char('0'));
    keys << QStringLiteral("0064") << QStringLiteral("0127") << QStringLiteral("9996") << QStringLiteral("9999");
    return keys;
}

std::optional<QString> cut(std::optional<QString> v)
{
    if (v && v->size() > LanguageFiles::ShownTextLimit) {
        qsizetype keep = LanguageFiles::ShownTextLimit;
        if (v->at(keep - 1).isHighSurrogate())
            --keep;
        v->truncate(keep);
    }
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzzing;
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("contalandia.language.warning=false"));
        writeFile(memoryFolder() + QStringLiteral("/LangSetting.ini"), "[Language]\r\nCurrentLanguage=Fuzz\r\n");
        return true;
    }();
    (void)quiet;
    const QByteArray bytes = fileBytes(data, size);
    writeFile(memoryFolder() + QStringLiteral("/Fuzz.lng"), bytes);

    static const QStringList strings = messageKeys();
    static const QStringList screen = {QStringLiteral("FormScri.Caption"), QStringLiteral("FormScri.Tag"),
                                       QStringLiteral("OpzioneNumeroMassimo(2).Caption"),
                                       QStringLiteral("Label2(0).ToolTipText"), QStringLiteral("mnuEsci.Caption")};
    LanguageFiles files(memoryFolder());
    {
        files.beginScreen();
        const QStringList texts = files.getStrings(strings);
        const auto expected = ini::readValuesIn(bytes, QStringLiteral("Strings"), strings);
        for (qsizetype i = 0; i < strings.size(); ++i)
            if (texts.value(i) != cut(expected[i]).value_or(QString()))
                fail("a message string reads otherwise than the reader gives it");
        const auto shown = files.screenTexts(QStringLiteral("FormScri"), screen);
        const auto read = ini::readValuesIn(bytes, QStringLiteral("FormScri"), screen);
        for (qsizetype i = 0; i < screen.size(); ++i)
            if (shown[i] != cut(read[i]))
                fail("a screen text reads otherwise than the reader gives it");
        if (files.getString(QStringLiteral("0000")) != texts.value(0))
            fail("a string asked alone reads otherwise");
        (void)files.numberWordsLanguage();
    }
    if (files.currentLanguage() != QLatin1String("Fuzz"))
        fail("the language of the settings file is lost");
    return 0;
}
