// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/MainMenu.h"
#include "support/TestApp.h"

#include <QMenu>
#include <QPushButton>

namespace {

// The items of the language menu: caption -> checked.
QMap<QString, bool> languageItems(const TestApp& t)
{
    QMap<QString, bool> items;
    for (QObject* c : t.current()->controls())
        if (control::name(c) == "mnuLanguage")
            if (auto* a = qobject_cast<QAction*>(c); a && a->isVisible())
                items.insert(a->text(), a->isChecked());
    return items;
}

class LanguageMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.random.setFallback(0.0);
        t.writeLanguage("A", "[Strings]\n0014=\"Quit A?\"\n[FormMenu]\nCommand2.Caption=\"Pictures A\"\n"
                             "Command3.Caption=\"Numbers A\"\nmnuLanguages.Caption=\"Language A\"\n");
        t.writeLanguage("B", "[Strings]\n0014=\"Quit B?\"\n[FormMenu]\nCommand2.Caption=\"Pictures B\"\n"
                             "mnuLanguages.Caption=\"Language B\"\n");
    }
    TestApp t;
};

TEST_F(LanguageMenu, ListsTheFilesAndChecksTheCurrentOne)
{
    t.writeSettings("B");
    t.open("FormMenu");
    EXPECT_EQ(languageItems(t), (QMap<QString, bool>{{"A", false}, {"B", true}}));
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Pictures B");
}

TEST_F(LanguageMenu, ASettingOfAnotherCaseChecksNothing)
{
    t.writeSettings("b");
    t.open("FormMenu");
    EXPECT_EQ(languageItems(t), (QMap<QString, bool>{{"A", false}, {"B", false}}));
}

TEST_F(LanguageMenu, ChoosingTranslatesAtOnceAndIsStoredForTheNextStart)
{
    t.writeSettings("B");
    t.open("FormMenu");
    const int a = t.find<QAction>("mnuLanguage", 0)->text() == "A" ? 0 : 1;
    t.trigger("mnuLanguage", a);

    EXPECT_EQ(languageItems(t), (QMap<QString, bool>{{"A", true}, {"B", false}}));
    EXPECT_EQ(t.app.strings.currentLanguage(), "A");
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Pictures A");
    EXPECT_EQ(t.find<QPushButton>("Command3")->text(), "Numbers A");
    EXPECT_EQ(t.find<QAction>("mnuLanguages")->text(), "Language A");
    EXPECT_EQ(t.app.strings.readSettingsLanguage(), std::optional<QString>("A"));
    EXPECT_EQ(t.app.strings.getString("0014"), "Quit A?");

    // Back from B, a text that B lacks keeps A's on the screen on show.
    t.trigger("mnuLanguage", 1 - a);
    EXPECT_EQ(t.find<QPushButton>("Command3")->text(), "Numbers A");
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Pictures B");

    // A fresh start reads the stored choice.
    TestApp next;
    next.writeFile("LangSetting.ini", t.readFile("LangSetting.ini"));
    next.writeFile("B.lng", t.readFile("B.lng"));
    EXPECT_EQ(next.app.strings.getString("0014"), "Quit B?");
}

TEST_F(LanguageMenu, UnwritableSettingsStillSwitchTheLanguageForTheSession)
{
    // A folder where the settings file is: no writer can replace it, not
    // even one with every permission.
    ASSERT_TRUE(QDir(t.folder.path()).mkdir("LangSetting.ini"));
    t.app.strings.setCurrentLanguage("B");
    t.open("FormMenu");
    const int a = t.find<QAction>("mnuLanguage", 0)->text() == "A" ? 0 : 1;
    t.trigger("mnuLanguage", a);
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Pictures A");

    t.click("Command3");
    t.click("Command1");
    ASSERT_EQ(t.currentName(), "FormMenu");
    EXPECT_EQ(languageItems(t), (QMap<QString, bool>{{"A", true}, {"B", false}}));
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Pictures A");
    EXPECT_EQ(t.app.strings.getString("0014"), "Quit A?");
}

TEST_F(LanguageMenu, AnInstalledProgramNeverWritesItsOwnFolder)
{
    // Installed for every user, with a configuration folder that cannot be
    // made: the choice holds for the session and nothing is written.
    t.writeSettings("B");
    const QByteArray shipped = t.readFile("LangSetting.ini");
    QTemporaryDir home;
    testfiles::writeBytes(home.filePath("config"), "not a folder");
    t.app.strings.useUserSettings(home.filePath("config/contalandia/LangSetting.ini"), true);
    t.open("FormMenu");
    const int a = t.find<QAction>("mnuLanguage", 0)->text() == "A" ? 0 : 1;
    t.trigger("mnuLanguage", a);

    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Pictures A");
    EXPECT_EQ(t.app.strings.getString("0014"), "Quit A?");
    EXPECT_EQ(t.readFile("LangSetting.ini"), shipped);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"config"}));
    t.click("Command3");
    t.click("Command1");
    EXPECT_EQ(languageItems(t), (QMap<QString, bool>{{"A", true}, {"B", false}}));
}

TEST(LanguageMenuWithoutFiles, NoticeAndTheDesignItemOnly)
{
    TestApp t;
    t.random.setFallback(0.0);
    t.open("FormMenu");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "notice");
    EXPECT_EQ(t.dialogs.shown[0].text, "Non è presente alcun file di linguaggio!");
    EXPECT_EQ(languageItems(t), (QMap<QString, bool>{{"mnuLanguage 0", false}}));
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Esercizi con supporto grafico");

    // Choosing the design item makes its text the language and stores it.
    t.trigger("mnuLanguage", 0);
    EXPECT_EQ(t.app.strings.currentLanguage(), "mnuLanguage 0");
    EXPECT_EQ(t.app.strings.readSettingsLanguage(), std::optional<QString>("mnuLanguage 0"));
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Esercizi con supporto grafico");

    // Every opening of the main menu tells it again.
    t.click("Command3");
    t.click("Command1");
    EXPECT_EQ(t.dialogs.shown.size(), 2u);
}

TEST(BrokenLanguageFile, LeavesTheDesignTextsAndTheMenuWorking)
{
    QByteArray binary;
    quint32 x = 12345;
    for (int i = 0; i < 300000; ++i) {
        x = x * 1103515245u + 12345u;
        binary.append(static_cast<char>(x >> 24));
    }
    const QByteArray oneHugeLine = "Command2.Caption=" + QByteArray(3000000, 'x');
    for (const QByteArray& bytes : {binary, oneHugeLine, QByteArray("[FormMenu\nCommand2.Caption=\"\n\0=")}) {
        TestApp t;
        t.random.setFallback(0.0);
        t.writeFile("X.lng", bytes);
        t.writeSettings("X");
        t.app.strings.getString("0000");
        t.open("FormMenu");
        EXPECT_EQ(languageItems(t), (QMap<QString, bool>{{"X", true}}));
        // No caption is replaced by what the file does not clearly say.
        EXPECT_EQ(t.find<QPushButton>("Command3")->text(), "Esercizi con solo numeri");
        EXPECT_EQ(t.find<QPushButton>("Command1")->text(), "Esci");
        t.click("Command3");
        EXPECT_EQ(t.currentName(), "FormMenuNumeri");
        EXPECT_EQ(t.find<QPushButton>("Command1")->text(), "Torna al menù principale");
    }
}

} // namespace
