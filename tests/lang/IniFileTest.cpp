// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/IniFile.h"
#include "LangTestFiles.h"
#include "support/ActAsUser.h"
#include "support/SpecialFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <random>
#include <sys/stat.h>

using namespace langtest;

namespace {

struct ReadCase
{
    const char* what;
    QByteArray bytes;
    const char* section;
    const char* key;
    std::optional<QString> expected;
};

class IniFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString& name = QStringLiteral("t.lng")) const { return dir.filePath(name); }

    std::optional<QString> readFrom(const QByteArray& bytes, const QString& section, const QString& key)
    {
        writeBytes(path(), bytes);
        return ini::readValue(path(), section, key);
    }

    // Each case as written, or padded above the size of the section reader.
    void expectReads(const std::vector<ReadCase>& cases, bool largeFile)
    {
        for (const ReadCase& c : cases) {
            SCOPED_TRACE(c.what);
            const QByteArray bytes = largeFile ? large(c.bytes) : c.bytes;
            const auto got = readFrom(bytes, QString::fromUtf8(c.section), QString::fromUtf8(c.key));
            ASSERT_EQ(got.has_value(), c.expected.has_value());
            if (got)
                EXPECT_EQ(got->toStdString(), c.expected->toStdString());
        }
    }
};

} // namespace

TEST_F(IniFileTest, SmallFilesReadLikeThePlatformReader)
{
    const std::vector<ReadCase> cases = {
        {"quoted value", "[Strings]\r\n0008=\"Esatti\"\r\n", "Strings", "0008", QString("Esatti")},
        {"section in other case", "[strings]\n0008=\"Esatti\"\n", "STRINGS", "0008", QString("Esatti")},
        {"key in other case", "[FormMenu]\ncommand1.caption=\"Via\"\n", "FormMenu", "Command1.Caption", QString("Via")},
        {"blanks around key and value", "[Strings]\n  0008 \t=   \"Esatti\"  \n", "Strings", "0008", QString("Esatti")},
        {"blanks inside quotes kept", "[Strings]\n0008=\" a b \"\n", "Strings", "0008", QString(" a b ")},
        {"no quotes", "[Strings]\n0008=Esatti\n", "Strings", "0008", QString("Esatti")},
        {"single quotes", "[Strings]\n0008='Esatti'\n", "Strings", "0008", QString("Esatti")},
        {"only one pair removed", "[Strings]\n0008=\"\"a\"\"\n", "Strings", "0008", QString("\"a\"")},
        {"unmatched quote kept", "[Strings]\n0008=\"Esatti\n", "Strings", "0008", QString("\"Esatti")},
        {"lone quote kept", "[Strings]\n0008=\"\n", "Strings", "0008", QString("\"")},
        {"empty quotes", "[Strings]\n0008=\"\"\n", "Strings", "0008", QString("")},
        {"missing section", "[Other]\n0008=\"x\"\n", "Strings", "0008", QString("")},
        {"missing key", "[Strings]\n0009=\"x\"\n", "Strings", "0008", QString("")},
        {"key of another section", "[Other]\n0008=\"x\"\n[Strings]\n0009=\"y\"\n", "Strings", "0008", QString("")},
        {"section after others", "[A]\n0008=\"a\"\n\n[Strings]\n0008=\"s\"\n[B]\n0008=\"b\"\n", "Strings", "0008", QString("s")},
        {"first line of a key wins", "[Strings]\n0008=\"a\"\n0008=\"b\"\n", "Strings", "0008", QString("a")},
        {"first section of a name only", "[Strings]\n0001=\"a\"\n[Strings]\n0008=\"b\"\n", "Strings", "0008", QString("")},
        {"key without equals sign", "[Strings]\n0008\n", "Strings", "0008", QString("")},
        {"CR line ends", "[Strings]\r0007=\"q\"\r0008=\"Esatti\"\r", "Strings", "0008", QString("Esatti")},
        {"no final line end", "[Strings]\n0008=\"Esatti\"", "Strings", "0008", QString("Esatti")},
        {"equals sign in the value", "[Strings]\n0008=\"a=b\"\n", "Strings", "0008", QString("a=b")},
        {"NUL ends the value", QByteArray("[Strings]\n0008=\"ab") + '\0' + "cd\"\n", "Strings", "0008", QString("\"ab")},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Strings]\n0008=\"Esatti\"\n", "Strings", "0008", QString("Esatti")},
        {"UTF-8 text", "[Strings]\n0008=\"Fran\xC3\xA7" "ais\"\n", "Strings", "0008", QString::fromUtf8("Français")},
        {"Windows-1252 text", "[Strings]\n0008=\"pi\xF9 \xE8 \x80\"\n", "Strings", "0008", QString::fromUtf8("più è €")},
    };
    expectReads(cases, false);
}

TEST_F(IniFileTest, SmallFileValueIsCutTo511Characters)
{
    const QByteArray value(600, 'v');
    const auto got = readFrom("[Strings]\n0001=\"" + value + "\"\n", "Strings", "0001");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->size(), ini::MaxValueLength);
    EXPECT_EQ(*got, QString(ini::MaxValueLength, u'v'));
}

TEST_F(IniFileTest, SizeAbove64000BytesSwitchesToTheLineScan)
{
    const QByteArray content = "[Other]\n0001=\"wrong section\"\n[Strings]\n0001=\"right\"\n";
    const auto at64000 = readFrom(paddedTo(content, 64000), "Strings", "0001");
    ASSERT_EQ(QFileInfo(path()).size(), 64000);
    const auto at64001 = readFrom(paddedTo(content, 64001), "Strings", "0001");
    ASSERT_EQ(QFileInfo(path()).size(), 64001);
    EXPECT_EQ(at64000, QString("right"));
    EXPECT_EQ(at64001, QString("wrong section"));
}

TEST_F(IniFileTest, LargeFilesAreScannedLineByLine)
{
    const std::vector<ReadCase> cases = {
        {"first line anywhere wins", "[FormMenu]\n0001=\"menu\"\n[Strings]\n0001=\"strings\"\n", "Strings", "0001", QString("menu")},
        {"same case only", "[FormMenu]\ncommand1.Caption=\"x\"\n", "Strings", "Command1.Caption", QString("")},
        {"same case matches", "[FormMenu]\nCommand1.Caption=\"x\"\n", "Strings", "Command1.Caption", QString("x")},
        {"no quotes: first and last dropped", "[Strings]\n0001=abcd\n", "Strings", "0001", QString("bc")},
        {"two characters", "[Strings]\n0001=\"\"\n", "Strings", "0001", QString("")},
        {"one character after equals sign fails", "[Strings]\n0001=x\n", "Strings", "0001", std::nullopt},
        {"nothing after equals sign fails", "[Strings]\n0001=\n", "Strings", "0001", std::nullopt},
        {"key alone fails", "[Strings]\n0001\n", "Strings", "0001", std::nullopt},
        {"no match", "[Strings]\n0002=\"x\"\n", "Strings", "0001", QString("")},
        {"blanks are not trimmed", "[Strings]\n0001 = \"a\"\n", "Strings", "0001", QString(" \"a")},
        {"indented line does not match", "[Strings]\n 0001=\"a\"\n", "Strings", "0001", QString("")},
        {"longer key with the same start", "[Strings]\n00010=\"a\"\n", "Strings", "0001", QString("\"a")},
        {"CR line ends", "[Strings]\r0002=\"b\"\r0001=\"a\"\r", "Strings", "0001", QString("a")},
        {"CRLF line ends", "[Strings]\r\n0001=\"a\"\r\n", "Strings", "0001", QString("a")},
        {"last line without line end", "[Strings]\n0001=\"a\"", "Strings", "0001", QString("a")},
        {"UTF-8 value", "0001=\"Fran\xC3\xA7" "ais\"\n", "Strings", "0001", QString::fromUtf8("Français")},
        {"Windows-1252 value", "0001=\"\xE8\"\n", "Strings", "0001", QString::fromUtf8("è")},
        {"Windows-1252 key", "Citt\xE0.Caption=\"c\"\n", "Strings", "Città.Caption", QString("c")},
        {"UTF-8 key", "Citt\xC3\xA0.Caption=\"c\"\n", "Strings", "Città.Caption", QString("c")},
    };
    expectReads(cases, true);
}

TEST_F(IniFileTest, LargeFileWithByteOrderMarkMatchesItsFirstLine)
{
    QByteArray bytes = "\xEF\xBB\xBF" "0001=\"Fran\xC3\xA7" "ais\"\n;";
    bytes += QByteArray(70000, 'x');
    EXPECT_EQ(readFrom(bytes, "Strings", "0001"), QString::fromUtf8("Français"));
}

TEST_F(IniFileTest, FilesThatCannotBeReadFail)
{
    EXPECT_EQ(ini::readValue(path("missing.lng"), "Strings", "0001"), std::nullopt);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.lng"));
    EXPECT_EQ(ini::readValue(path("folder.lng"), "Strings", "0001"), std::nullopt);
    // A pipe would block a reader that opened it.
    ASSERT_EQ(::mkfifo(path("pipe.lng").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(ini::readValue(path("pipe.lng"), "Strings", "0001"), std::nullopt);
}

// Run by root (as CI is), the read is made as an unprivileged user, whom
// the file's permissions bind.
TEST_F(IniFileTest, UnreadableFileFails)
{
    writeBytes(path(), "[Strings]\n0001=\"a\"\n");
    ActAsUser user({dir.path(), path()});
    ASSERT_TRUE(user.ready());
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::Permissions()));
    EXPECT_EQ(ini::readValue(path(), "Strings", "0001"), std::nullopt);
    EXPECT_EQ(ini::readValues(path(), "Strings", {"0001", "0002"}),
              (std::vector<std::optional<QString>>{std::nullopt, std::nullopt}));
}

TEST_F(IniFileTest, DecodesUtf8WhenValidAndWindows1252Otherwise)
{
    EXPECT_EQ(ini::decode("Fran\xC3\xA7" "ais"), QString::fromUtf8("Français"));
    EXPECT_EQ(ini::decode("\xEF\xBB\xBF" "abc"), QString("abc"));
    // One byte that is not UTF-8 makes the whole text Windows-1252.
    EXPECT_EQ(ini::decode("\xC3\xA7 \xE8"), QString::fromUtf8("Ã§ è"));
    EXPECT_EQ(ini::decode("\x80\x8A\x9F\x81\xA0\xFF"), QString::fromUtf8("€ŠŸ\u0081\u00A0ÿ"));
}

// Whatever the bytes, reading neither crashes nor hangs, on both paths.
TEST_F(IniFileTest, SurvivesArbitraryBytes)
{
    std::mt19937 gen(20240601);
    for (const int size : {0, 1, 17, 4096, 64000, 64001, 200000}) {
        SCOPED_TRACE(size);
        QByteArray bytes(size, '\0');
        for (char& b : bytes)
            b = static_cast<char>(gen() % 256);
        for (const char* key : {"0001", "", "Form1.Caption"})
            (void)readFrom(bytes, "Strings", key);
        QByteArray nuls(size, '\0');
        EXPECT_EQ(readFrom(nuls, "Strings", "0001"), QString(""));
    }
}

TEST_F(IniFileTest, LongLinesAndHugeFilesAreReadInOnePass)
{
    const QByteArray longValue(1 << 20, 'a');
    EXPECT_EQ(readFrom("0002=\"" + longValue + "\"\n0001=\"x\"\n", "Strings", "0001"), QString("x"));
    const auto got = readFrom("0001=\"" + longValue + "\"\n", "Strings", "0001");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->size(), longValue.size());

    // 50 MB of lines with the only match on the last one, then the same
    // bytes as one single line.
    const QByteArray line = "Form1.Label1.Caption=\"" + QByteArray(100, 'z') + "\"\n";
    QByteArray huge;
    huge.reserve(50 << 20);
    while (huge.size() < (50 << 20))
        huge += line;
    huge += "0001=\"end\"";
    EXPECT_EQ(readFrom(huge, "Strings", "0001"), QString("end"));
    huge.replace('\n', ' ');
    EXPECT_EQ(readFrom(huge, "Strings", "0001"), QString(""));
}

TEST_F(IniFileTest, WriteCreatesFileSectionAndKey)
{
    const QString file = path("LangSetting.ini");
    ASSERT_TRUE(ini::writeValue(file, "Language", "CurrentLanguage", QString::fromUtf8("Français")));
    EXPECT_EQ(readBytes(file), QByteArray("[Language]\r\nCurrentLanguage=\"Fran\xC3\xA7" "ais\"\r\n"));
    EXPECT_EQ(ini::readValue(file, "Language", "CurrentLanguage"), QString::fromUtf8("Français"));
}

TEST_F(IniFileTest, WriteChangesOnlyTheLineOfTheKey)
{
    struct Case
    {
        const char* what;
        QByteArray before;
        QByteArray after;
    };
    const std::vector<Case> cases = {
        {"replaces, matching names in any case",
         "; settings\n[Other]\ncurrentlanguage=\"x\"\n\n[language]\n  Foo = bar \ncurrentLANGUAGE=\"Old\"\n",
         "; settings\n[Other]\ncurrentlanguage=\"x\"\n\n[language]\n  Foo = bar \ncurrentLANGUAGE=\"New\"\n"},
        {"adds the key at the end of its section",
         "[Language]\r\nFoo=\"1\"\r\n\r\n[Next]\r\nBar=\"2\"\r\n",
         "[Language]\r\nFoo=\"1\"\r\nCurrentLanguage=\"New\"\r\n\r\n[Next]\r\nBar=\"2\"\r\n"},
        {"adds the section after a last line without line end",
         "[Other]\nA=\"1\"",
         "[Other]\nA=\"1\"\n[Language]\nCurrentLanguage=\"New\"\n"},
        {"keeps the byte-order mark", "\xEF\xBB\xBF" "CurrentLanguage=\"x\"\r[Language]\rCurrentLanguage=\"Old\"\r",
         "\xEF\xBB\xBF" "CurrentLanguage=\"x\"\r[Language]\rCurrentLanguage=\"New\"\r"},
        {"converts a Windows-1252 file to UTF-8", "[Altro]\nCitt\xE0=\"\xE8\"\n",
         "[Altro]\nCitt\xC3\xA0=\"\xC3\xA8\"\n[Language]\nCurrentLanguage=\"New\"\n"},
    };
    const QString file = path("LangSetting.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(file, c.before);
        ASSERT_TRUE(ini::writeValue(file, "Language", "CurrentLanguage", "New"));
        EXPECT_EQ(readBytes(file).toStdString(), c.after.toStdString());
        EXPECT_EQ(ini::readValue(file, "Language", "CurrentLanguage"), QString("New"));
    }
}

// A language name with letters beyond ASCII, written into a Windows-1252
// file, small or large (copied in blocks and converted on the way), is
// written once in UTF-8 like the rest and read back as chosen.
TEST_F(IniFileTest, AnAccentedValueWrittenIntoAWindows1252FileReadsBack)
{
    const QString file = path("LangSetting.ini");
    const QByteArray before = "[Altro]\nCitt\xE0=\"\xE8\"\n";
    for (const bool isLarge : {false, true}) {
        SCOPED_TRACE(isLarge ? "large" : "small");
        writeBytes(file, isLarge ? large(before) : before);
        ASSERT_TRUE(ini::writeValue(file, "Language", "CurrentLanguage", QString::fromUtf8("Français")));
        EXPECT_EQ(ini::readValue(file, "Language", "CurrentLanguage"), QString::fromUtf8("Français"));
        const QByteArray after = readBytes(file);
        EXPECT_TRUE(after.endsWith("[Language]\nCurrentLanguage=\"Fran\xC3\xA7" "ais\"\n")) << after.right(60).toStdString();
        EXPECT_TRUE(after.contains("Citt\xC3\xA0=\"\xC3\xA8\"\n"));
    }
}

TEST_F(IniFileTest, WriteThatCannotSucceedReturnsFalseAndLeavesNothing)
{
    writeBytes(path("plain"), "x");
    for (const QString& file : {path("missing/LangSetting.ini"), path("plain/LangSetting.ini")}) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_FALSE(ini::writeValue(file, "Language", "CurrentLanguage", "A"));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    EXPECT_FALSE(ini::writeValue(path("folder.ini"), "Language", "CurrentLanguage", "A"));
    // A value that would start a line of its own is refused.
    writeBytes(path("s.ini"), "[Language]\nCurrentLanguage=\"A\"\n");
    EXPECT_FALSE(ini::writeValue(path("s.ini"), "Language", "CurrentLanguage", "B\"\n[Strings]\n0001=\"x"));
    EXPECT_EQ(readBytes(path("s.ini")), QByteArray("[Language]\nCurrentLanguage=\"A\"\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"folder.ini", "plain", "s.ini"}));
}

// A folder that takes no new file: the file is never rewritten in place
// (a kill in the middle would leave it empty), whether or not it may be
// written itself; nothing is left beside it.
TEST_F(IniFileTest, InAReadOnlyFolderNothingIsWritten)
{
    const QString folder = path("ro");
    ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
    const QString file = folder + "/LangSetting.ini";
    writeBytes(file, "[Language]\r\nCurrentLanguage=\"A\"\r\n");
    ActAsUser user({dir.path(), folder, file});
    ASSERT_TRUE(user.ready());
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    for (const QFileDevice::Permissions permissions :
         {QFileDevice::ReadOwner | QFileDevice::WriteOwner, QFileDevice::Permissions(QFileDevice::ReadOwner)}) {
        ASSERT_TRUE(QFile::setPermissions(file, permissions));
        EXPECT_FALSE(ini::writeValue(file, "Language", "CurrentLanguage", "B"));
        EXPECT_EQ(readBytes(file), QByteArray("[Language]\r\nCurrentLanguage=\"A\"\r\n"));
    }
    EXPECT_FALSE(ini::writeValue(folder + "/New.ini", "Language", "CurrentLanguage", "C"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"LangSetting.ini"}));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A link at the file's place is never written through, wherever it points
// and whether or not its target exists; a pipe is not waited on.
TEST_F(IniFileTest, TheWriterFollowsNoLinkAndWritesOnlyPlainFiles)
{
    const QString target = path("elsewhere.txt");
    const QByteArray precious = "[Language]\nCurrentLanguage=\"A\"\nsomeone else's lines\n";
    writeBytes(target, precious);
    const QString link = path("LangSetting.ini");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(ini::writeValue(link, "Language", "CurrentLanguage", "B"));
    EXPECT_EQ(readBytes(target), precious);
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    const QString dangling = path("Dangling.ini");
    ASSERT_TRUE(QFile::link(path("not-yet.ini"), dangling));
    EXPECT_FALSE(ini::writeValue(dangling, "Language", "CurrentLanguage", "B"));
    EXPECT_FALSE(QFileInfo::exists(path("not-yet.ini")));

    const QString pipe = path("Pipe.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(ini::writeValue(pipe, "Language", "CurrentLanguage", "B"));
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    left.sort();
    EXPECT_EQ(left, QStringList({"Dangling.ini", "LangSetting.ini", "Pipe.ini", "elsewhere.txt"}));
}

// The peak of this process's resident memory from now on, in bytes.
struct PeakMemory
{
    PeakMemory() { reset(); }
    static bool reset()
    {
        QFile f("/proc/self/clear_refs");
        return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
    }
    static qint64 peak()
    {
        QFile f("/proc/self/status");
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
        return -1;
    }
};

// A settings file far above the section reader's limit is changed where the
// line scan reads the key (the first line that starts with it, in any
// section), or given the section and key at its end, and copied through in
// blocks: its size costs time, never memory.
TEST_F(IniFileTest, AHugeFileIsRewrittenInBoundedMemory)
{
    const QString file = path("LangSetting.ini");
    const QByteArray filler = "Form1.Label1.Caption=\"" + QByteArray(100, 'z') + "\"\r\n";
    auto writeHuge = [&](const QByteArray& head, const QByteArray& tail) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(head);
        const QByteArray block = filler.repeated((1 << 20) / filler.size());
        for (int i = 0; i < 24; ++i)
            f.write(block);
        f.write(tail);
    };
    auto tailOf = [&](qint64 n) {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        f.seek(f.size() - n);
        return f.read(n);
    };

    writeHuge("[Other]\r\nCurrentLanguage=\"Old\"\r\n[Language]\r\n", "CurrentLanguage=\"Later\"\r\n");
    const qint64 before = QFileInfo(file).size();
    ASSERT_TRUE(PeakMemory::reset()) << "no way to measure the peak of memory here";
    const qint64 start = PeakMemory::peak();
    ASSERT_TRUE(ini::writeValue(file, "Language", "CurrentLanguage", "New"));
    EXPECT_LT(PeakMemory::peak() - start, 16 << 20);
    EXPECT_EQ(QFileInfo(file).size(), before);
    EXPECT_EQ(ini::readValue(file, "Language", "CurrentLanguage"), QString("New"));
    EXPECT_EQ(tailOf(filler.size() + 25), filler + "CurrentLanguage=\"Later\"\r\n");

    // No line with the key: the section and the key come at the end, and a
    // file that is not UTF-8 is converted on the way.
    writeHuge("[Altro]\nCitt\xE0=\"\xE8\"\n", "last line without end");
    ASSERT_TRUE(ini::writeValue(file, "Language", "CurrentLanguage", "New"));
    EXPECT_EQ(ini::readValue(file, "Language", "CurrentLanguage"), QString("New"));
    EXPECT_EQ(ini::readValue(file, "Altro", "Citt\u00E0"), QString("\u00E8"));
    const QByteArray end = "last line without end\n[Language]\nCurrentLanguage=\"New\"\n";
    EXPECT_EQ(tailOf(end.size()), end);

    // A byte-order mark stays, once, at the start.
    writeHuge("\xEF\xBB\xBF[Language]\r\nCurrentLanguage=\"Old\"\r\n", "");
    ASSERT_TRUE(ini::writeValue(file, "Language", "CurrentLanguage", "New"));
    EXPECT_EQ(readBytes(file).first(38), QByteArray("\xEF\xBB\xBF[Language]\r\nCurrentLanguage=\"New\"\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"LangSetting.ini"}));
}

// Copies left by writes cut short go; the file itself, other files, and a
// copy young enough to belong to a write still running stay.
TEST_F(IniFileTest, LeftoversOfInterruptedWritesAreRemoved)
{
    const QString file = path("LangSetting.ini");
    const QStringList leftovers = {"LangSetting.ini.aB3dE9", "LangSetting.ini.ZZZZZZ"};
    const QStringList kept = {"LangSetting.ini", "LangSetting.ini.bak", "LangSetting.ini.abcdefg",
                              "Italiano.lng", "LangSetting.ini.young1"};
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    for (const QString& name : leftovers + kept) {
        writeBytes(path(name), "[Language]\r\nCurrentLanguage=\"A\"\r\n");
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        if (name != "LangSetting.ini.young1")
            ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(ini::removeWriteLeftovers(file), 2);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QStringList expected = kept;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
}

namespace {

// Only a regular file, or a link to one, is read as a settings or language
// file; anything else is left at once, with a line in the log.
TEST(IniFileKinds, OnlyRegularFilesAreRead)
{
    using namespace specialfiles;
    for (const Kind kind : Kinds) {
        SCOPED_TRACE(nameOf(kind));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Italiano.lng"));
        const int socket = make(kind, file);
        LogLines log;
        {
            FifoRescue rescue({file}, 5);
            EXPECT_EQ(ini::readValue(file, QStringLiteral("Strings"), QStringLiteral("0001")), std::nullopt);
            EXPECT_EQ(ini::readValues(file, QStringLiteral("Strings"), {QStringLiteral("0001")}).front(), std::nullopt);
            EXPECT_FALSE(rescue.stuck()) << "opening the file waited";
        }
        const QStringList lines = log.lines();
        EXPECT_EQ(lines.filter(file).size(), 1) << lines.join(u'\n').toStdString();
        if (socket >= 0)
            ::close(socket);
    }
    // A link to a regular file is read.
    QTemporaryDir dir;
    writeBytes(dir.filePath("real.lng"), "[Strings]\n0001=\"a\"\n");
    ASSERT_TRUE(QFile::link(dir.filePath("real.lng"), dir.filePath("link.lng")));
    EXPECT_EQ(ini::readValue(dir.filePath("link.lng"), "Strings", "0001"), QString("a"));
}

} // namespace
