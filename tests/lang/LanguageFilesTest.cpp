// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/LanguageFiles.h"
#include "LangTestFiles.h"

#include <QDir>

using namespace langtest;

namespace {

class LanguageFilesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    LanguageFiles files{dir.path()};

    QString path(const QString& name) const { return dir.filePath(name); }
    void settings(const QByteArray& language)
    {
        writeBytes(path("LangSetting.ini"), "[Language]\r\nCurrentLanguage=\"" + language + "\"\r\n");
    }
    void languageFile(const QString& name, const QByteArray& strings)
    {
        writeBytes(path(name + ".lng"), "[FormMenu]\r\nCommand1.Caption=\"Numeri\"\r\n[Strings]\r\n" + strings);
    }
};

} // namespace

TEST_F(LanguageFilesTest, PathsLieInTheProgramFolder)
{
    EXPECT_EQ(files.settingsPath(), dir.path() + "/LangSetting.ini");
    files.setCurrentLanguage("English");
    EXPECT_EQ(files.languagePath(), dir.path() + "/English.lng");

    LanguageFiles other("/opt/conta/");
    other.setCurrentLanguage("Italiano");
    EXPECT_EQ(other.languagePath(), QString("/opt/conta/Italiano.lng"));
    EXPECT_EQ(other.settingsPath(), QString("/opt/conta//LangSetting.ini"));

    // A name that is not a plain file name cannot lead out of the folder.
    for (const char* name : {"", "../English", "sub/English", "..\\English", ".", ".."}) {
        SCOPED_TRACE(name);
        files.setCurrentLanguage(name);
        EXPECT_EQ(files.languagePath(), dir.path() + "/.lng");
    }
}

TEST_F(LanguageFilesTest, GetStringReadsTheCurrentLanguageFileAnew)
{
    languageFile("English", "0008=\"Right\"\r\n");
    settings("English");
    EXPECT_EQ(files.getString("0008"), QString("Right"));
    EXPECT_EQ(files.currentLanguage(), QString("English"));
    EXPECT_EQ(files.getString("0009"), QString(""));

    languageFile("English", "0008=\"Correct\"\r\n");
    EXPECT_EQ(files.getString("0008"), QString("Correct"));
    // Only the language name is kept: the settings file is not read again.
    settings("Italiano");
    languageFile("Italiano", "0008=\"Esatti\"\r\n");
    EXPECT_EQ(files.getString("0008"), QString("Correct"));
}

TEST_F(LanguageFilesTest, GetStringTriesTheSettingsFileAgainUntilItExists)
{
    languageFile("Deutsch", "0008=\"Richtig\"\r\n");
    EXPECT_EQ(files.getString("0008"), QString(""));
    EXPECT_EQ(files.currentLanguage(), QString(""));
    writeBytes(path("LangSetting.ini"), "[Language]\r\n");
    EXPECT_EQ(files.getString("0008"), QString(""));
    settings("Deutsch");
    EXPECT_EQ(files.getString("0008"), QString("Richtig"));
    EXPECT_EQ(files.currentLanguage(), QString("Deutsch"));
}

TEST_F(LanguageFilesTest, GetStringIsEmptyWhenTheLanguageFileFailsOrEscapes)
{
    settings("Missing");
    EXPECT_EQ(files.getString("0008"), QString(""));

    // A large file whose matching line is too short fails; GetString hides it.
    writeBytes(path("Big.lng"), large("[Strings]\r\n0008=x\r\n0009=\"ok\"\r\n"));
    files.setCurrentLanguage("Big");
    EXPECT_EQ(files.getString("0008"), QString(""));
    EXPECT_EQ(files.getString("0009"), QString("ok"));

    QDir(dir.path()).mkdir("inner");
    LanguageFiles inner(path("inner"));
    writeBytes(path("inner/LangSetting.ini"), "[Language]\nCurrentLanguage=\"../Big\"\n");
    writeBytes(path("inner/.lng"), "[Strings]\n0009=\"inside\"\n");
    EXPECT_EQ(inner.getString("0009"), QString("inside"));
}

TEST_F(LanguageFilesTest, SelectNumberWordsLanguageFromString0000)
{
    struct Case
    {
        QByteArray name;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"ITALIAN", "1"}, {" english ", "2"}, {"French", "3"}, {"german", "4"}, {"SPANISH", "5"},
        {"Albanian", "6"}, {"Englsh", "none"}, {"", "none"}, {"ENGLISH UK", "none"}, {"Italiano", "none"},
    };
    settings("L");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        languageFile("L", "0000=\"" + c.name + "\"\r\n");
        EXPECT_EQ(files.numberWordsLanguage().value_or("none"), QString(c.expected));
    }
    QFile::remove(path("L.lng"));
    EXPECT_EQ(files.numberWordsLanguage(), std::nullopt);
}

TEST_F(LanguageFilesTest, SettingsLanguageRoundTrip)
{
    EXPECT_EQ(files.readSettingsLanguage(), std::nullopt);
    ASSERT_TRUE(files.writeSettingsLanguage(QString::fromUtf8("Français")));
    EXPECT_EQ(files.readSettingsLanguage(), QString::fromUtf8("Français"));
    ASSERT_TRUE(files.writeSettingsLanguage("English"));
    EXPECT_EQ(files.readSettingsLanguage(), QString("English"));

    languageFile("English", "0008=\"Right\"\r\n");
    EXPECT_EQ(files.getString("0008"), QString("Right"));

    EXPECT_FALSE(LanguageFiles(path("nowhere")).writeSettingsLanguage("English"));
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
}

TEST_F(LanguageFilesTest, LanguageNamesAreTheLngFilesOfTheFolder)
{
    EXPECT_EQ(files.languageNames(), QStringList());
    for (const char* name : {"Italiano.lng", "English.lng", "notes.txt", "Upper.LNG", "a\\b.lng", "English.lng.bak"})
        writeBytes(path(name), "[Strings]\n");
    QDir(dir.path()).mkdir("Folder.lng");
    EXPECT_EQ(files.languageNames(), QStringList({"English", "Italiano"}));
}

TEST(MessageKeys, HintKeysHaveFourDigits)
{
    EXPECT_EQ(msg::hintKey(msg::HintFirst), QString("0064"));
    EXPECT_EQ(msg::hintKey(msg::HintLast), QString("0127"));
    EXPECT_EQ(msg::hintKey(100), QString("0100"));
}

// Each user's own settings file, for a program whose folder the user cannot
// write (installed for every user, or a read-only copy).
class UserSettingsTest : public LanguageFilesTest
{
protected:
    QTemporaryDir home;
    QString userFile(const QString& user = "ada") const { return home.filePath(user + "/contalandia/LangSetting.ini"); }

    // What a new start of the program reads, for the given user.
    QString languageAtNextStart(bool installed, const QString& user = "ada") const
    {
        LanguageFiles next(dir.path());
        next.useUserSettings(userFile(user), installed);
        next.getString("0000");
        return next.currentLanguage();
    }
};

TEST_F(UserSettingsTest, AWritableProgramFolderKeepsTheChoiceAsBefore)
{
    settings("Italiano");
    files.useUserSettings(userFile(), false);
    EXPECT_FALSE(files.storesInUserSettings());
    ASSERT_TRUE(files.writeSettingsLanguage("English"));
    EXPECT_EQ(readBytes(path("LangSetting.ini")), "[Language]\r\nCurrentLanguage=\"English\"\r\n");
    EXPECT_FALSE(QFileInfo::exists(home.filePath("ada")));
    EXPECT_EQ(languageAtNextStart(false), "English");
}

TEST_F(UserSettingsTest, AnInstalledProgramKeepsEachUsersChoiceInTheirOwnFolder)
{
    settings("Italiano");
    const QByteArray shipped = readBytes(path("LangSetting.ini"));
    files.useUserSettings(userFile("ada"), true);
    EXPECT_TRUE(files.storesInUserSettings());
    // Before any choice the shipped file is the default.
    EXPECT_EQ(files.readSettingsLanguage(), QString("Italiano"));

    ASSERT_TRUE(files.writeSettingsLanguage("Deutsch"));
    EXPECT_EQ(readBytes(path("LangSetting.ini")), shipped);
    EXPECT_EQ(readBytes(userFile("ada")), "[Language]\r\nCurrentLanguage=\"Deutsch\"\r\n");
    EXPECT_EQ(languageAtNextStart(true, "ada"), "Deutsch");
    EXPECT_EQ(languageAtNextStart(true, "bea"), "Italiano");
    EXPECT_FALSE(QFileInfo::exists(home.filePath("bea")));

    // A later choice replaces the user's own.
    ASSERT_TRUE(files.writeSettingsLanguage("English"));
    EXPECT_EQ(languageAtNextStart(true, "ada"), "English");
}

TEST_F(UserSettingsTest, ABrokenUserFileLeavesTheShippedDefault)
{
    settings("Italiano");
    QDir().mkpath(QFileInfo(userFile()).absolutePath());
    QByteArray binary;
    for (int i = 0; i < 4000; ++i)
        binary.append(static_cast<char>((i * 7919) % 256));
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"binary", binary},
        {"empty file", ""},
        {"no language key", "[Language]\nOther=\"English\"\n"},
        {"empty language", "[Language]\nCurrentLanguage=\"\"\n"},
        {"cut off before its value", "[Language]\nCurrentLang"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeBytes(userFile(), bytes);
        EXPECT_EQ(languageAtNextStart(true), "Italiano");
    }
    // Not a file at all.
    QFile::remove(userFile());
    QDir().mkpath(userFile());
    EXPECT_EQ(languageAtNextStart(true), "Italiano");
    files.useUserSettings(userFile(), true);
    EXPECT_FALSE(files.writeSettingsLanguage("English"));
}

TEST_F(UserSettingsTest, AnUnwritableConfigurationFolderWritesNothing)
{
    settings("Italiano");
    // A plain file where the configuration folder should be: no folder can
    // be made under it, whoever runs the program.
    writeBytes(home.filePath("config"), "not a folder");
    const QString blocked = home.filePath("config/contalandia/LangSetting.ini");
    files.useUserSettings(blocked, true);
    EXPECT_FALSE(files.writeSettingsLanguage("English"));
    EXPECT_EQ(readBytes(home.filePath("config")), "not a folder");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"config"}));
    EXPECT_EQ(files.readSettingsLanguage(), QString("Italiano"));
}

TEST_F(UserSettingsTest, AReadOnlyCopiedFolderKeepsTheChoiceInTheUsersFolder)
{
    if (runningAsRoot())
        GTEST_SKIP() << "folder permissions do not bind root";
    settings("Italiano");
    QFile::setPermissions(path("LangSetting.ini"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    files.useUserSettings(userFile(), false);
    EXPECT_TRUE(files.storesInUserSettings());
    const bool written = files.writeSettingsLanguage("Shqip");
    const QString next = languageAtNextStart(false);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(written);
    EXPECT_EQ(next, "Shqip");
    EXPECT_EQ(readBytes(path("LangSetting.ini")), "[Language]\r\nCurrentLanguage=\"Italiano\"\r\n");
}
