// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Keys.h"
#include "app/Startup.h"
#include "framework/ProgramDialogs.h"
#include "support/TestApp.h"

#include <QDateTime>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

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

TEST(StartProgram, WithoutLanguageFilesTheFrameTextsKeepTheirDesign)
{
    TestApp t;
    t.random.setFallback(0.0);
    startProgram(t.app);
    EXPECT_EQ(t.app.state.frameTexts.rightLabel, "Esatti");
    EXPECT_EQ(t.app.state.frameTexts.exitQuestion, "Vuoi uscire da questo esercizio?");
    EXPECT_EQ(t.app.state.numberWordsLanguage, std::nullopt);
    // Numbers are then written in the words the screens are designed in.
    EXPECT_EQ(numberInWords(21, t.app.state.wordsLanguage()), "VENTUNO");
    EXPECT_EQ(t.currentName(), "FormAvvio");
}

// No language at start (an empty settings file, or a language whose frame
// texts are blank): every exercise screen still has its way out and its
// captions, also one opened after a language is chosen in the menu. The
// frame texts still do not follow that choice.
TEST(StartProgram, FrameTextsEmptyAtStartKeepTheirDesignTexts)
{
    struct Case { const char* name; QByteArray settings; QByteArray blank; };
    const Case cases[] = {
        {"empty settings file", "", ""},
        {"blank frame texts", "[Language]\r\nCurrentLanguage=Vuoto\r\n",
         "[Strings]\r\n0007=\"\"\r\n0008=\" \"\r\n0009=\"\"\r\n0010=\"\"\r\n0011=\"  \"\r\n0012=\"\"\r\n0013=\"\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        t.random.setFallback(0.3);
        QFile::copy(QStringLiteral(CONTALANDIA_DATA_DIR "/English.lng"), t.path("English.lng"));
        if (!c.blank.isEmpty())
            t.writeFile("Vuoto.lng", c.blank);
        t.writeFile("LangSetting.ini", c.settings);
        startProgram(t.app);
        t.open("FormMenu");
        const int english = static_cast<int>(t.app.strings.languageNames().indexOf("English"));
        ASSERT_GE(english, 0);
        t.trigger("mnuLanguage", english);
        ASSERT_EQ(t.app.strings.currentLanguage(), "English");

        Screen* s = t.open("FormScri", 9);  // "più 10"
        ASSERT_TRUE(s);
        for (const auto& [name, text] : {std::pair{"mnuEsci", "Esci"}, {"MenuInformazioni", "Informazioni"},
                                         {"MenuAzzera", "Azzera conteggio"}}) {
            auto* command = t.find<QAction>(name);
            ASSERT_TRUE(command) << name;
            EXPECT_EQ(command->text().trimmed(), text);
            EXPECT_FALSE(s->menuBar()->actionGeometry(command).isEmpty()) << name;
        }
        EXPECT_EQ(t.find<QLabel>("LabelEST")->text(), "Esatti");
        EXPECT_EQ(t.find<QLabel>("LabelErt")->text(), "Errati");
        EXPECT_EQ(t.find<QPushButton>("BottoneAvanti")->text(), "avanti");

        t.dialogs.answers.push_back(true);
        t.trigger("mnuEsci");
        ASSERT_EQ(t.dialogs.shown.size(), 1u);
        EXPECT_EQ(t.dialogs.shown[0].text, "Vuoi uscire da questo esercizio?");
        EXPECT_EQ(t.currentName(), "FormMenuNumeri");
    }
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
