// SPDX-License-Identifier: GPL-3.0-or-later
// This computer's results file when it cannot take answers for a while:
// held by another program, on a full disk, in a folder that takes no
// writing. Nothing is moved aside, nothing waits on the window's thread,
// and nothing given meanwhile is lost.
#include "support/Eventually.h"
#include "results/ResultsFixture.h"
#include "results/SmallFileSystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QSignalSpy>
#include <QThread>

namespace {

int answersIn(const QString& path)
{
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count-answers"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*) FROM answers")) && q.next())
                n = q.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count-answers"));
    return n;
}

// The program's log lines about results, from any thread.
class ResultsLog
{
public:
    ResultsLog() { previous_ = qInstallMessageHandler(&ResultsLog::keep); }
    ~ResultsLog() { qInstallMessageHandler(previous_); }
    static QStringList lines(const QString& containing)
    {
        QMutexLocker lock(&mutex());
        QStringList out;
        for (const QString& l : kept())
            if (l.contains(containing))
                out << l;
        return out;
    }

private:
    static void keep(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        QMutexLocker lock(&mutex());
        kept() << message;
    }
    static QMutex& mutex() { static QMutex m; return m; }
    static QStringList& kept() { static QStringList k; return k; }
    QtMessageHandler previous_ = nullptr;
};

QStringList besides(const QString& path)
{
    return QFileInfo(path).dir().entryList({QStringLiteral("*.broken-*")}, QDir::Files);
}

class TroubledFile : public ResultsFixture
{
protected:
    TroubledFile() { busyMs = 100; }
    // A file of this program with `n` answers and two players, then left
    // in the given journal mode.
    void fileWith(int n, const QString& journal)
    {
        {
            auto store = makeStore();
            store->addPlayer(QStringLiteral("Anna"));
            store->addPlayer(QStringLiteral("Luca"));
            for (int i = 0; i < n; ++i)
                store->record(answer(QStringLiteral("FormMM"), true, {}, QStringLiteral("Anna")));
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("journal"));
        db.setDatabaseName(dbPath());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = ") + journal);
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("journal"));
    }
};

} // namespace

// Another program holds the file as the program starts: the window's thread
// does not wait for it, nothing is moved aside, the players come when the
// file is free, and the answers given meanwhile are kept then.
TEST_F(TroubledFile, AFileHeldAtTheStartIsWaitedForAsideAndNeverMovedAside)
{
    struct Case { const char* what; const char* journal; const char* hold; };
    const Case cases[] = {
        {"a write transaction", "DELETE", "BEGIN IMMEDIATE"},
        {"an exclusive lock", "DELETE", "BEGIN EXCLUSIVE"},
        {"a write transaction on a WAL file", "WAL", "BEGIN IMMEDIATE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(QFileInfo(dbPath()).absolutePath()).removeRecursively();
        fileWith(5, QString::fromLatin1(c.journal));
        const QByteArray before = testfiles::readBytes(dbPath());

        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(dbPath());
        ASSERT_TRUE(holder.open());
        QSqlQuery hold(holder);
        ASSERT_TRUE(hold.exec(QString::fromLatin1(c.hold))) << hold.lastError().text().toStdString();
        ASSERT_TRUE(hold.exec(QStringLiteral("INSERT INTO settings (key, value) VALUES ('held', 'yes')")));

        QElapsedTimer started;
        started.start();
        auto store = makeStore();
        EXPECT_LT(started.elapsed(), 500);   // the window's thread never waits for the file
        EXPECT_TRUE(besides(dbPath()).isEmpty());
        QSignalSpy changed(store.get(), &ResultsStore::playersChanged);
        for (int i = 0; i < 3; ++i)
            store->record(answer(QStringLiteral("FormMM"), false));
        EXPECT_TRUE(eventually([&] { return store->notKept() == 3; }));
        EXPECT_EQ(store->notKeptBecause(), FileTrouble::Busy);
        if (!store->usable())
            EXPECT_EQ(store->trouble(), FileTrouble::Busy);

        ASSERT_TRUE(hold.exec(QStringLiteral("ROLLBACK")));
        hold.finish();
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        EXPECT_TRUE(eventually([&] { return store->usable() && store->notKept() == 0; }));
        store->waitForWrites();
        EXPECT_EQ(store->players(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Luca")}));
        if (QLatin1String(c.journal) == QLatin1String("DELETE"))
            EXPECT_GE(changed.count(), 1);   // the start screen hears of the players
        EXPECT_EQ(store->lostAnswers(), 0);
        store.reset();
        EXPECT_EQ(answersIn(dbPath()), 8);
        EXPECT_TRUE(besides(dbPath()).isEmpty());
        EXPECT_FALSE(before.isEmpty());
    }
}

// A full disk, a folder that takes no writing: the answers wait in memory,
// the store says how many and why, and they are written once the disk or
// the folder takes them again. Recording never waits.
TEST_F(TroubledFile, AnswersTheFileCannotTakeWaitInMemoryAndAreWrittenLater)
{
    SmallFileSystem disk(2048);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    ResultsStore::Setup s;
    s.config.localPath = disk.path(QStringLiteral("contalandia/results.sqlite"));
    s.computerUser = QStringLiteral("Maria Rossi");
    s.retryMinMs = 50;
    s.retryMaxMs = 200;
    s.busyMs = 100;
    ResultsLog log;

    // The disk fills up while the child plays.
    {
        ResultsStore store(s);
        ASSERT_TRUE(store.usable()) << store.problem().toStdString();
        store.record(answer(QStringLiteral("FormMM"), true));
        store.record(answer(QStringLiteral("FormMM"), true));
        store.waitForWrites();
        disk.fill();
        QElapsedTimer given;
        given.start();
        for (int i = 0; i < 150; ++i)
            store.record(answer(QStringLiteral("FormMM"), i % 2 == 0));
        EXPECT_LT(given.elapsed(), 100);
        EXPECT_TRUE(eventually([&] { return store.notKept() == 150; }));
        EXPECT_EQ(store.notKeptBecause(), FileTrouble::Full);
        EXPECT_TRUE(store.usable());   // what the file holds can still be read
        disk.freeUp();
        EXPECT_TRUE(eventually([&] { return store.notKept() == 0; }));
        EXPECT_EQ(store.lostAnswers(), 0);
    }
    EXPECT_EQ(answersIn(s.config.localPath), 152);
    // One line when they began to wait, one when they were written.
    EXPECT_EQ(ResultsLog::lines(QStringLiteral("wait in memory")).size(), 1);
    EXPECT_EQ(ResultsLog::lines(QStringLiteral("150 answers that waited in memory are written")).size(), 1);

    // The folder takes no writing at the start.
    ASSERT_TRUE(disk.setReadOnly(true));
    {
        ResultsStore store(s);
        EXPECT_FALSE(store.usable());
        EXPECT_EQ(store.trouble(), FileTrouble::ReadOnly);
        for (int i = 0; i < 5; ++i)
            store.record(answer(QStringLiteral("FormMM"), true));
        EXPECT_TRUE(eventually([&] { return store.notKept() == 5; }));
        EXPECT_EQ(store.notKeptBecause(), FileTrouble::ReadOnly);
        EXPECT_TRUE(besides(s.config.localPath).isEmpty());
        ASSERT_TRUE(disk.setReadOnly(false));
        EXPECT_TRUE(eventually([&] { return store.usable() && store.notKept() == 0; }));
    }
    EXPECT_EQ(answersIn(s.config.localPath), 157);

    // Still full when the program ends: what waits is lost, and the log
    // says how much.
    {
        ResultsStore store(s);
        disk.fill();
        store.record(answer(QStringLiteral("FormMM"), true));
        store.record(answer(QStringLiteral("FormMM"), true));
        EXPECT_TRUE(eventually([&] { return store.notKept() == 2; }));
    }
    EXPECT_EQ(ResultsLog::lines(QStringLiteral("2 answers that waited in memory could not be kept")).size(), 1);
    disk.freeUp();
    EXPECT_EQ(answersIn(s.config.localPath), 157);
}
