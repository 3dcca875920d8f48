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
