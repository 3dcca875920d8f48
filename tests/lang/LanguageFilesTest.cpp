// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/LanguageFiles.h"
#include "LangTestFiles.h"

#include "support/ActAsUser.h"
#include "support/SpecialFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <random>

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
        std::optional<WordsLanguage> expected;
    };
    using enum WordsLanguage;
    const std::vector<Case> cases = {
        {"ITALIAN", Italian}, {" english ", English}, {"French", French}, {"german", German},
        {"SPANISH", Spanish}, {"Albanian", Albanian}, {"Englsh", std::nullopt}, {"", std::nullopt},
        {"ENGLISH UK", std::nullopt}, {"Italiano", std::nullopt},
    };
    settings("L");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        languageFile("L", "0000=\"" + c.name + "\"\r\n");
        EXPECT_EQ(files.numberWordsLanguage(), c.expected);
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
    settings("Italiano");
    // Run by root (as CI is), the program runs as an unprivileged user,
    // whom the folder's permissions bind.
    QDir().mkpath(home.filePath("ada"));
    ActAsUser user({dir.path(), path("LangSetting.ini"), home.path(), home.filePath("ada")});
    ASSERT_TRUE(user.ready());
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

// A program folder that takes no new file keeps the choice in the user's own
// file, however its LangSetting.ini may be written: that file is never
// rewritten in place.
TEST_F(UserSettingsTest, AFolderThatTakesNoNewFileLeavesItsFileAsItIs)
{
    settings("Italiano");
    const QByteArray shipped = readBytes(path("LangSetting.ini"));
    QDir().mkpath(home.filePath("ada"));
    ActAsUser user({dir.path(), path("LangSetting.ini"), home.path(), home.filePath("ada")});
    ASSERT_TRUE(user.ready());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    files.useUserSettings(userFile(), false);
    EXPECT_TRUE(files.storesInUserSettings());
    const bool written = files.writeSettingsLanguage("Shqip");
    const QString next = languageAtNextStart(false);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(written);
    EXPECT_EQ(next, "Shqip");
    EXPECT_EQ(readBytes(path("LangSetting.ini")), shipped);
}

// A LangSetting.ini that is a link is read but never written through: in
// the program folder the user's own file takes the choice; the user's own
// file as a link keeps nothing.
TEST_F(UserSettingsTest, ASettingsFileThatIsALinkIsNeverWrittenThrough)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("victim.ini");
    const QByteArray precious = "[Language]\r\nCurrentLanguage=\"Italiano\"\r\nsomeone else's line\r\n";
    writeBytes(target, precious);
    ASSERT_TRUE(QFile::link(target, path("LangSetting.ini")));
    files.useUserSettings(userFile(), false);
    EXPECT_TRUE(files.storesInUserSettings());
    EXPECT_EQ(files.readSettingsLanguage(), QString("Italiano"));
    ASSERT_TRUE(files.writeSettingsLanguage("English"));
    EXPECT_EQ(readBytes(target), precious);
    EXPECT_EQ(readBytes(userFile()), "[Language]\r\nCurrentLanguage=\"English\"\r\n");
    EXPECT_EQ(languageAtNextStart(false), "English");

    // The user's own file as a link.
    QFile::remove(userFile());
    ASSERT_TRUE(QFile::link(target, userFile()));
    EXPECT_FALSE(files.writeSettingsLanguage("Deutsch"));
    EXPECT_EQ(readBytes(target), precious);
    EXPECT_TRUE(QFileInfo(userFile()).isSymLink());
}

namespace {
const char* const WriterFolder = "CONTALANDIA_TEST_WRITER_FOLDER";
const char* const WriterUser = "CONTALANDIA_TEST_WRITER_USER";
} // namespace

// Not a test of its own: a copy of the program that stores one language
// after the other until it is killed, run by the test below.
TEST(SettingsWriterChild, WriteUntilKilled)
{
    const QString folder = qEnvironmentVariable(WriterFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "runs only as the child of the settings-writer test";
    ActAsUser user;
    ASSERT_TRUE(user.ready());
    LanguageFiles files(folder);
    files.useUserSettings(qEnvironmentVariable(WriterUser), false);
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    for (int i = 0;; ++i)
        files.writeSettingsLanguage(i % 2 ? "English" : "Italiano");
}

// The writer killed at random moments, many times over, with a program
// folder that takes new files and with one that does not (where the file
// itself could be written in place): every settings file is always whole,
// the old content or the new.
TEST(SettingsWriter, AKillAtAnyMomentLeavesEverySettingsFileWhole)
{
    // Lines of the user's own beside the language, just below the section
    // reader's limit, so that each write takes a while.
    QByteArray others;
    while (others.size() < 60000)
        others += "; a line of notes that every write must keep as it is\r\n";
    auto settingsWith = [&](const char* language) {
        return "[Language]\r\nCurrentLanguage=\"" + QByteArray(language) + "\"\r\n" + others;
    };
    const QByteArray userItaliano = "[Language]\r\nCurrentLanguage=\"Italiano\"\r\n";
    const QByteArray userEnglish = "[Language]\r\nCurrentLanguage=\"English\"\r\n";
    std::mt19937 moments(24);

    for (const bool folderTakesFiles : {true, false}) {
        SCOPED_TRACE(folderTakesFiles ? "writable folder" : "folder that takes no new file");
        QTemporaryDir program;
        QTemporaryDir home;
        const QString settings = program.filePath("LangSetting.ini");
        const QString user = home.filePath("contalandia/LangSetting.ini");
        writeBytes(settings, settingsWith("Italiano"));
        for (const QString& p : {program.path(), settings, home.path()})
            if (::geteuid() == 0)
                ASSERT_EQ(::chown(QFile::encodeName(p).constData(), ActAsUser::Nobody, ActAsUser::Nobody), 0);
        if (!folderTakesFiles)
            ASSERT_TRUE(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner));

        int seenWriting = 0;
        for (int kill = 0; kill < 15; ++kill) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(WriterFolder, program.path());
            env.insert(WriterUser, user);
            env.insert("QT_QPA_PLATFORM", "offscreen");
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SettingsWriterChild.WriteUntilKilled"});
            // The test runner's own lines come first.
            for (QByteArray line; line != "writing\n";) {
                while (!child.canReadLine() && child.waitForReadyRead(60000)) {
                }
                if (!child.canReadLine())
                    break;
                line = child.readLine();
                seenWriting += line == "writing\n";
            }
            QThread::usleep(std::uniform_int_distribution<int>(0, 30000)(moments));
            child.kill();
            child.waitForFinished(60000);

            const QByteArray shared = readBytes(settings);
            if (folderTakesFiles) {
                EXPECT_TRUE(shared == settingsWith("Italiano") || shared == settingsWith("English"))
                    << "kill " << kill << ": " << shared.size() << " bytes";
            } else {
                EXPECT_EQ(shared, settingsWith("Italiano")) << "kill " << kill;
                const QByteArray own = QFileInfo::exists(user) ? readBytes(user) : userItaliano;
                EXPECT_TRUE(own == userItaliano || own == userEnglish) << "kill " << kill << ": " << own.toStdString();
            }
        }
        EXPECT_EQ(seenWriting, 15);
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// A settings file (the program's, which is the system-wide default once
// installed, or the user's own) or the language file that is a FIFO, a
// device, a socket or a folder is passed over at once, as if it were
// missing, with a line in the log.
TEST_F(UserSettingsTest, SettingsAndLanguageFilesThatAreNoRegularFilesArePassedOver)
{
    using namespace specialfiles;
    struct Place { const char* name; bool user; QString path; };
    for (const Kind kind : Kinds) {
        const Place places[] = {{"the user's settings", true, userFile(nameOf(kind))},
                                {"the program's settings", false, path(QStringLiteral("LangSetting.ini"))},
                                {"the language file", false, path(QStringLiteral("Italiano.lng"))}};
        for (const Place& place : places) {
            SCOPED_TRACE(std::string(nameOf(kind)) + " as " + place.name);
            QFile::remove(path("LangSetting.ini"));
            QFile::remove(path("Italiano.lng"));
            QDir(path("LangSetting.ini")).removeRecursively();
            QDir(path("Italiano.lng")).removeRecursively();
            if (place.path != path("LangSetting.ini"))
                settings("Italiano");
            if (place.path != path("Italiano.lng"))
                languageFile("Italiano", "0001=\"uno\"\r\n");
            QDir().mkpath(QFileInfo(place.path).absolutePath());
            const int socket = make(kind, place.path);
            LogLines log;
            QString word;
            QString language;
            {
                FifoRescue rescue({place.path}, 5);
                LanguageFiles files(dir.path());
                files.useUserSettings(userFile(nameOf(kind)), true);
                word = files.getString("0001");
                language = files.currentLanguage();
                EXPECT_FALSE(rescue.stuck()) << "opening the file waited";
            }
            EXPECT_EQ(language, place.path == path("LangSetting.ini") ? QString() : QString("Italiano"));
            EXPECT_EQ(word, place.path == path("LangSetting.ini") || place.path == path("Italiano.lng") ? QString()
                                                                                                       : QString("uno"));
            EXPECT_EQ(log.lines().filter(place.path).size(), 1) << log.lines().join(u'\n').toStdString();
            if (socket >= 0)
                ::close(socket);
            QFile::remove(place.path);
            QDir(place.path).removeRecursively();
        }
    }
}
