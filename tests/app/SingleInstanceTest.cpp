// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"
#include "support/ActAsUser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace {

const char* LockVariable = "CONTALANDIA_TEST_LOCK";
const char* CrashVariable = "CONTALANDIA_TEST_LOCK_CRASH";
const char* HoldVariable = "CONTALANDIA_TEST_LOCK_HOLD";
constexpr int Started = 10;
constexpr int TurnedAway = 11;

// Not a test of its own: the body of a second copy of the program, run in a
// child process by the tests below. It ends without any clean-up, as a copy
// that crashes would, when asked to.
TEST(SingleInstanceChild, TryToStart)
{
    const QString lock = qEnvironmentVariable(LockVariable);
    if (lock.isEmpty())
        GTEST_SKIP() << "runs only as the child of the single-instance tests";
    bool started = false;
    {
        SingleInstance instance(lock);
        started = instance.acquire();
        if (qEnvironmentVariableIsSet(CrashVariable))
            std::_Exit(started ? Started : TurnedAway);
        if (qEnvironmentVariableIsSet(HoldVariable)) {
            // Says how it went, then runs on until its input is closed.
            std::fputs(started ? "started\n" : "away\n", stdout);
            std::fflush(stdout);
            while (std::fgetc(stdin) != EOF) {
            }
        }
    }
    std::exit(started ? Started : TurnedAway);
}

void startCopy(QProcess& child, const QString& lock, const char* mode)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(LockVariable, lock);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (mode)
        env.insert(mode, "1");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SingleInstanceChild.TryToStart"});
}

int runSecondCopy(const QString& lock, bool crash)
{
    QProcess child;
    startCopy(child, lock, crash ? CrashVariable : nullptr);
    if (!child.waitForFinished(60000))
        return -1;
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
}

TEST(SingleInstance, ASecondCopyIsTurnedAwayWhileTheFirstRuns)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath("contalandia.lock");
    SingleInstance first(lock);
    ASSERT_TRUE(first.acquire());
    EXPECT_EQ(runSecondCopy(lock, false), TurnedAway);
    EXPECT_TRUE(first.held());
    EXPECT_TRUE(QFile::exists(lock));
    // Released when its window is gone, though its last work goes on: the
    // next copy starts.
    first.release();
    EXPECT_FALSE(first.held());
    EXPECT_EQ(runSecondCopy(lock, false), Started);
}

TEST(SingleInstance, AFreeLockLetsTheProgramStartAndIsReleasedOnExit)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath("contalandia.lock");
    EXPECT_EQ(runSecondCopy(lock, false), Started);
    EXPECT_FALSE(QFile::exists(lock));
    SingleInstance next(lock);
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, ALockLeftByACrashedCopyDoesNotBlock)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath("contalandia.lock");
    ASSERT_EQ(runSecondCopy(lock, true), Started);
    ASSERT_TRUE(QFile::exists(lock));  // the crashed copy left its lock behind
    SingleInstance next(lock);
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, ALiveOwnerInThisProcessCountsAsRunning)
{
    // The lock names its owner's process: another lock object of the same
    // process sees a live owner and is turned away too.
    QTemporaryDir dir;
    const QString lock = dir.filePath("contalandia.lock");
    SingleInstance first(lock);
    ASSERT_TRUE(first.acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(second.acquire());
}

// Whatever a file left at the lock's place holds, no live copy holds the
// lock: the program starts, and a second copy is then turned away.
TEST(SingleInstance, ALeftoverLockFileIsTakenOver)
{
    static const char Garbage[] = "\x00\xff\x13 not a lock\n\n\n";
    struct Case { const char* name; QByteArray bytes; bool unreadable; };
    const Case cases[] = {
        {"empty", "", false},
        {"garbage", QByteArray::fromRawData(Garbage, sizeof Garbage - 1), false},
        {"another host", "4242\ncontalandia\nfaraway-host\n", false},
        {"a dead process", "2147483646\ncontalandia\n" + QSysInfo::machineHostName().toUtf8() + "\n", false},
        {"unreadable", "4242\ncontalandia\nfaraway-host\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString lock = dir.filePath("contalandia.lock");
        {
            QFile f(lock);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        if (c.unreadable)
            ASSERT_TRUE(QFile::setPermissions(lock, QFileDevice::Permissions()));
        ActAsUser user({dir.path(), lock});
        ASSERT_TRUE(user.ready());
        SingleInstance instance(lock);
        EXPECT_TRUE(instance.acquire());
        EXPECT_TRUE(instance.held());
        SingleInstance second(lock);
        EXPECT_FALSE(second.acquire());
    }
}

// Whatever stands at the lock's place that is no regular file is no lock:
// it is cleared away and the rule holds as with a plain file.
TEST(SingleInstance, SomethingNotAFileAtTheLocksPlaceIsReplaced)
{
    struct Case { const char* name; std::function<bool(const QString&)> make; };
    const Case cases[] = {
        {"empty folder", [](const QString& p) { return QDir().mkdir(p); }},
        {"folder with files and a link out",
         [](const QString& p) {
             return QDir().mkpath(p + "/inner") && QFile::link(QDir::homePath(), p + "/home")
                    && QFile(p + "/inner/note").open(QIODevice::WriteOnly);
         }},
        {"pipe", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
        {"link to a folder", [](const QString& p) { return QFile::link(QDir::tempPath(), p); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString lock = dir.filePath("contalandia.lock");
        ASSERT_TRUE(c.make(lock));
        SingleInstance instance(lock);
        EXPECT_TRUE(instance.acquire());
        EXPECT_TRUE(instance.held());
        EXPECT_TRUE(QFileInfo(lock).isFile() && !QFileInfo(lock).isSymLink());
        SingleInstance second(lock);
        EXPECT_FALSE(second.acquire());
        // Nothing outside the lock's place was touched, and nothing is left
        // beside it.
        EXPECT_TRUE(QDir::home().exists());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                  QStringList({"contalandia.lock"}));
    }
}

// Two copies started together with a folder at the lock's place: exactly one
// starts.
TEST(SingleInstance, TwoCopiesStartedTogetherPastAFolderGiveOneProgram)
{
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        const QString lock = dir.filePath("contalandia.lock");
        ASSERT_TRUE(QDir().mkpath(lock + "/inner"));
        QProcess first;
        QProcess second;
        startCopy(first, lock, HoldVariable);
        startCopy(second, lock, HoldVariable);
        QStringList said;
        for (QProcess* p : {&first, &second}) {
            // The test runner's own lines come first.
            QString line;
            while (line != "started" && line != "away") {
                while (!p->canReadLine() && p->waitForReadyRead(60000)) {
                }
                if (!p->canReadLine())
                    break;
                line = QString::fromUtf8(p->readLine()).trimmed();
            }
            said << line;
        }
        for (QProcess* p : {&first, &second}) {
            p->closeWriteChannel();
            p->waitForFinished(60000);
        }
        said.sort();
        EXPECT_EQ(said, QStringList({"away", "started"}));
    }
}

TEST(SingleInstance, TheLockGoesIntoAFolderOfTheUsersOwnOnly)
{
    QTemporaryDir own;
    QTemporaryDir shared;
    ASSERT_TRUE(QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777)));
    EXPECT_EQ(SingleInstance::privateFolder({shared.path(), "", own.path()}), own.path());
    EXPECT_EQ(SingleInstance::privateFolder({shared.path()}), QString());
    if (::geteuid() == 0) {
        // Another user's folder, however closed to the rest, is not ours.
        QTemporaryDir theirs;
        ASSERT_EQ(::chown(QFile::encodeName(theirs.path()).constData(), ActAsUser::Nobody, ActAsUser::Nobody), 0);
        EXPECT_EQ(SingleInstance::privateFolder({theirs.path(), own.path()}), own.path());
    }
    // Where no folder qualifies, the program starts without a lock.
    SingleInstance unguarded{QString()};
    EXPECT_TRUE(unguarded.acquire());
}

TEST(SingleInstance, DefaultLockLivesInAFolderOfTheUsersOwn)
{
    const QString path = SingleInstance::defaultLockPath();
    EXPECT_TRUE(path.endsWith("/contalandia.lock"));
    EXPECT_TRUE(QFileInfo(path).dir().exists());
    EXPECT_EQ(SingleInstance::privateFolder({QFileInfo(path).path()}), QFileInfo(path).absolutePath());
}

} // namespace
