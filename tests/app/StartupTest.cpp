// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Keys.h"
#include "app/Startup.h"
#include "framework/ProgramDialogs.h"
#include "support/TestApp.h"

#include <QDateTime>

namespace {

TEST(StartProgram, FillsTheStateAndOpensTheStartScreen)
{
    TestApp t;
    t.random.setFallback(0.0);
    t.writeLanguage("English", "[Strings]\n0000=\" english \"\n0007=\"Leave?\"\n0008=\"Right\"\n"
                               "0009=\"Wrong\"\n0010=\"Information\"\n0011=\"Reset\"\n0012=\"next\"\n"
                               "0013=\"Exit\"\n");
    t.writeSettings("English");
    // Whatever a previous run did, a start begins afresh.
    t.app.state.soundsOn = false;
    t.app.state.maxNumber = 299;
    // A copy of the settings that a run killed while writing left behind.
    t.writeFile("LangSetting.ini.Xy12Zw", "[Language]\r\nCurrentLanguage=\"English\"\r\n");
    {
        QFile leftover(t.path("LangSetting.ini.Xy12Zw"));
        ASSERT_TRUE(leftover.open(QIODevice::ReadWrite));
        leftover.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1), QFileDevice::FileModificationTime);
    }

    startProgram(t.app);
    EXPECT_FALSE(QFile::exists(t.path("LangSetting.ini.Xy12Zw")));

    const FrameTexts& f = t.app.state.frameTexts;
    EXPECT_EQ(f.exitQuestion, "Leave?");
    EXPECT_EQ(f.rightLabel, "Right");
    EXPECT_EQ(f.wrongLabel, "Wrong");
    EXPECT_EQ(f.informationMenu, "Information");
    EXPECT_EQ(f.resetMenu, "Reset");
    EXPECT_EQ(f.nextButton, "next");
    EXPECT_EQ(f.exitMenu, "Exit");
    EXPECT_EQ(t.app.strings.currentLanguage(), "English");
    EXPECT_EQ(t.app.state.numberWordsLanguage, WordsLanguage::English);
    EXPECT_TRUE(t.app.state.soundsOn);
    EXPECT_EQ(t.app.state.maxNumber, 999);
    EXPECT_EQ(t.random.reseeds(), 1);
    EXPECT_EQ(t.currentName(), "FormAvvio");
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(StartProgram, WithoutLanguageFilesTheFrameTextsAreEmpty)
{
    TestApp t;
    t.random.setFallback(0.0);
    startProgram(t.app);
    EXPECT_EQ(t.app.state.frameTexts.rightLabel, "");
    EXPECT_EQ(t.app.state.frameTexts.exitQuestion, "");
    EXPECT_EQ(t.app.state.numberWordsLanguage, std::nullopt);
    // Numbers are then written in the words the screens are designed in.
    EXPECT_EQ(numberInWords(21, t.app.state.wordsLanguage()), "VENTUNO");
    EXPECT_EQ(t.currentName(), "FormAvvio");
}

TEST(ShowInformation, CreditsAloneOrWithTheLanguageLinesUnderHyphens)
{
    TestApp t;
    const QString credits = informationText(t.app);
    EXPECT_TRUE(credits.startsWith("Contalandia\r\n"));
    EXPECT_FALSE(credits.contains("---"));

    t.writeLanguage("L", "[Strings]\n9996=\"Prima riga\"\n9997=\"\"\n9998=\"Terza riga\"\n");
    t.writeSettings("L");
    showInformation(t.app, nullptr);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "information");
    EXPECT_EQ(t.dialogs.shown[0].title, "Contalandia");
    EXPECT_EQ(t.dialogs.shown[0].text,
              credits + "\r\n-----------------------\r\nPrima riga\r\nTerza riga\r\n");
}

TEST(ShowInformation, FollowsTheLanguageChosenAfterStart)
{
    TestApp t;
    t.writeLanguage("A", "[Strings]\n9999=\"da A\"\n");
    t.writeLanguage("B", "[Strings]\n9999=\"da B\"\n");
    t.writeSettings("A");
    EXPECT_TRUE(informationText(t.app).endsWith("da A\r\n"));
    t.app.strings.setCurrentLanguage("B");
    EXPECT_TRUE(informationText(t.app).endsWith("da B\r\n"));
}

TEST(UpperCaseKey, OnlyTheLettersAToZChange)
{
    struct Case { int in, out; };
    for (const Case c : {Case{97, 65}, Case{122, 90}, Case{'m', 'M'}, Case{64, 64}, Case{123, 123},
                         Case{96, 96}, Case{'A', 'A'}, Case{'Z', 'Z'}, Case{'0', '0'}, Case{'9', '9'},
                         Case{8, 8}, Case{13, 13}, Case{0xE0, 0xE0}, Case{0xF9, 0xF9}, Case{0xE8, 0xE8}})
        EXPECT_EQ(upperCaseKey(c.in), c.out) << c.in;
}

} // namespace
