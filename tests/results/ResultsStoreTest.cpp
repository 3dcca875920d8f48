// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Connections.h"
#include "results/ResultsQueries.h"
#include "results/ResultsSchema.h"
#include "support/Files.h"
#include "results/ResultsFixture.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSignalSpy>
#include <QSqlQuery>

#include <sys/stat.h>

namespace {

int count(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
    return q.next() ? q.value(0).toInt() : -1;
}

} // namespace

TEST_F(ResultsFixture, AnAnswerIsWrittenWithEverythingTheFrameKnows)
{
    auto store = makeStore();
    ASSERT_TRUE(store->usable()) << store->problem().toStdString();
    AnswerRecord a = answer(QStringLiteral("FormScri"), true);
    a.mode = 9;
    a.title = QStringLiteral("più 10");
    store->record(a);
    store->record(answer(QStringLiteral("Form999c"), false, {}, {}, QStringLiteral("abacus")));
    VisitRecord v;
    v.screen = QStringLiteral("FormScri");
    v.family = QStringLiteral("written");
    v.opened = QDateTime::currentDateTimeUtc().addSecs(-60);
    v.left = QDateTime::currentDateTimeUtc();
    store->record(v);
    store->waitForWrites();

    auto r = store->reading();
    ASSERT_TRUE(r.db.isValid());
    std::vector<AnswerRecord> kept;
    ASSERT_TRUE(resultsQueries::eachAnswer(r.db, {}, [&](const AnswerRecord& x) { kept.push_back(x); }, nullptr));
    ASSERT_EQ(kept.size(), 2u);
    const auto& first = kept[0].screen == QLatin1String("FormScri") ? kept[0] : kept[1];
    EXPECT_FALSE(first.id.isNull());
    EXPECT_EQ(first.player, QStringLiteral("Maria Rossi"));   // no players named: the computer's user
    EXPECT_EQ(first.computer, QStringLiteral("pc1"));
    EXPECT_EQ(first.mode, 9);
    EXPECT_EQ(first.title, QStringLiteral("più 10"));
    EXPECT_EQ(first.problem, QStringLiteral(" 5 + 10 = "));
    EXPECT_EQ(first.answer, QStringLiteral("15"));
    EXPECT_TRUE(first.right);
    EXPECT_LE(qAbs(first.at.secsTo(QDateTime::currentDateTimeUtc())), 60);
    EXPECT_EQ(first.at.offsetFromUtc(), 0);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM visits WHERE left_ms > opened_ms")), 1);
    QSqlQuery mode(r.db);
    ASSERT_TRUE(mode.exec(QStringLiteral("PRAGMA journal_mode")) && mode.next());
    EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));
}

TEST_F(ResultsFixture, AnswersSurviveTheEndOfTheProgram)
{
    {
        auto store = makeStore();
        for (int i = 0; i < 50; ++i)
            store->record(answer(QStringLiteral("FormMM"), i % 2 == 0));
        // No waiting here: the store's end writes what was recorded.
    }
    auto store = makeStore();
    auto r = store->reading();
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 50);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT sum(is_right) FROM answers")), 25);
}

TEST_F(ResultsFixture, ADatabaseOfTheFirstVersionIsMigratedWithItsAnswers)
{
    QDir().mkpath(QFileInfo(dbPath()).absolutePath());
    {
        LocalOpening o = openLocalDatabase(QStringLiteral("v1"), dbPath(), FileCheck::None);
        closeConnection(QStringLiteral("v1"));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(dbPath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE IF EXISTS schema_version")));
        for (const char* t : {"players", "answers", "visits", "settings", "pending_answers", "pending_visits",
                              "answer_totals", "removed_players"})
            ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(t))));
        ASSERT_EQ(resultsSchema::migrate(db, resultsSchema::Dialect::SQLite, 1), QString());
        ASSERT_EQ(resultsSchema::versionOf(db, resultsSchema::Dialect::SQLite), 1);
        ASSERT_TRUE(q.exec(QStringLiteral(
            "INSERT INTO answers (id, at_ms, player, player_key, computer, screen, family, problem, answer, "
            "is_right) VALUES ('a1', 1000, 'Luca', 'luca', 'pc', 'FormMM', 'written', '3 ? 4', '<', 1)")))
            << q.lastError().text().toStdString();
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO players (name_key, name, created_ms) VALUES ('luca', 'Luca', 1)")));
        q.finish();
        db.close();
        Q_UNUSED(o);
    }
    closeConnection(QStringLiteral("v1"));

    auto store = makeStore();
    ASSERT_TRUE(store->usable()) << store->problem().toStdString();
    EXPECT_TRUE(store->movedAsideTo().isEmpty());
    auto r = store->reading();
    EXPECT_EQ(resultsSchema::versionOf(r.db, resultsSchema::Dialect::SQLite), resultsSchema::currentVersion());
    EXPECT_EQ(store->players(), QStringList{QStringLiteral("Luca")});
    std::vector<SummaryRow> rows = resultsQueries::screenSummaries(r.db, {}, nullptr);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].player, QStringLiteral("Luca"));
    EXPECT_EQ(rows[0].mode, 0);
    EXPECT_EQ(rows[0].title, QString());
    // The new columns and the queue work on the migrated file.
    AnswerRecord a = answer(QStringLiteral("FormScri"), false);
    a.mode = 3;
    store->record(a);
    store->waitForWrites();
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE mode = 3")), 1);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM pending_answers")), 0);
}

TEST_F(ResultsFixture, ABrokenFileIsMovedAsideAndANewOneStarted)
{
    struct Case { const char* what; QByteArray bytes; };
    QByteArray foreignDb;
    {
        // A working SQLite database that is not ours.
        const QString other = QDir(dir.path()).filePath(QStringLiteral("other.sqlite"));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(other);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE recipes (name TEXT)"));
        db.close();
        foreignDb = testfiles::readBytes(other);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QByteArray truncated;
    {
        auto store = makeStore();
        for (int i = 0; i < 300; ++i)
            store->record(answer(QStringLiteral("FormMM"), true));
    }
    truncated = testfiles::readBytes(dbPath()).left(4096 + 100);   // header page kept, the rest cut
    const Case cases[] = {
        {"not a database", QByteArray("these are not the results you are looking for").repeated(40)},
        {"another program's database", foreignDb},
        {"cut short", truncated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        replaceDatabase(c.bytes);
        auto store = makeStore();
        ASSERT_TRUE(store->usable()) << store->problem().toStdString();
        ASSERT_FALSE(store->movedAsideTo().isEmpty());
        EXPECT_TRUE(store->movedAsideTo().startsWith(dbPath() + QStringLiteral(".broken-")));
        EXPECT_EQ(testfiles::readBytes(store->movedAsideTo()), c.bytes);   // kept as it was
        store->record(answer(QStringLiteral("FormMM"), true));
        store->waitForWrites();
        EXPECT_EQ(count(store->reading().db, QStringLiteral("SELECT count(*) FROM answers")), 1);
    }
}

// The program leaves the reading of the whole file to after its first
// window. A file that is no database of ours is still moved aside at once;
// one whose pages are damaged further in, once the check is finished (the
// first thing recorded finishes it); a sound one is kept. What is recorded
// meanwhile lands in the file the check leaves.
TEST_F(ResultsFixture, TheWholeFileCanBeCheckedAfterTheFirstWindow)
{
    wholeFileCheckLater = true;
    {
        auto store = makeStore();
        for (int i = 0; i < 300; ++i)
            store->record(answer(QStringLiteral("FormMM"), true));
    }
    const QByteArray sound = testfiles::readBytes(dbPath());
    ASSERT_GT(sound.size(), 8 * 4096);
    QByteArray damaged = sound;
    // The last pages hold answers, the first ones the schema and players.
    for (qsizetype i = damaged.size() - 3 * 4096; i < damaged.size(); ++i)
        damaged[i] = char(0x55);

    struct Case { const char* what; QByteArray bytes; bool movedAtOnce; bool movedAfterCheck; int answers; };
    const Case cases[] = {
        {"not a database", QByteArray("these are not the results you are looking for").repeated(40), true, false, 1},
        {"damaged further in", damaged, false, true, 1},
        {"sound", sound, false, false, 301},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        replaceDatabase(c.bytes);
        auto store = makeStore();
        ASSERT_TRUE(store->usable()) << store->problem().toStdString();
        EXPECT_EQ(!store->movedAsideTo().isEmpty(), c.movedAtOnce);
        QSignalSpy changed(store.get(), &ResultsStore::playersChanged);
        store->record(answer(QStringLiteral("FormMM"), true));
        EXPECT_EQ(!store->movedAsideTo().isEmpty(), c.movedAtOnce || c.movedAfterCheck);
        EXPECT_EQ(changed.count(), c.movedAfterCheck ? 1 : 0);
        if (c.movedAfterCheck)
            EXPECT_EQ(testfiles::readBytes(store->movedAsideTo()), c.bytes);   // kept as it was
        store->checkWholeFile();   // done already: nothing more
        store->waitForWrites();
        ASSERT_TRUE(store->usable());
        EXPECT_EQ(count(store->reading().db, QStringLiteral("SELECT count(*) FROM answers")), c.answers);
    }
}

TEST_F(ResultsFixture, PlayersAreAddedRenamedAndRemovedWithTheirAnswers)
{
    auto store = makeStore();
    EXPECT_EQ(store->addPlayer(QStringLiteral("  Anna   Bianchi ")), players::Problem::None);
    EXPECT_EQ(store->addPlayer(QStringLiteral("Luca")), players::Problem::None);
    EXPECT_EQ(store->players(), (QStringList{QStringLiteral("Anna Bianchi"), QStringLiteral("Luca")}));

    struct Case { QString name; players::Problem problem; };
    const Case refused[] = {
        {QStringLiteral("   "), players::Problem::Empty},
        {QString(41, QLatin1Char('x')), players::Problem::TooLong},
        {QStringLiteral("LUCA"), players::Problem::Taken},
        {QStringLiteral("anna bianchi"), players::Problem::Taken},
        {QStringLiteral("Li\x01nda"), players::Problem::NotPlain},
    };
    for (const Case& c : refused)
        EXPECT_EQ(store->addPlayer(c.name), c.problem) << c.name.toStdString();
    EXPECT_EQ(store->addPlayer(QString(40, QLatin1Char('y'))), players::Problem::None);
    EXPECT_EQ(store->removePlayer(QString(40, QLatin1Char('y'))), players::Problem::None);

    store->choosePlayer(QStringLiteral("luca"));
    EXPECT_EQ(store->currentPlayer(), QStringLiteral("Luca"));
    for (int i = 0; i < 3; ++i)
        store->record(answer(QStringLiteral("FormMM"), true));
    store->record(answer(QStringLiteral("FormMM"), false, {}, QStringLiteral("Anna Bianchi")));
    store->waitForWrites();

    EXPECT_EQ(store->renamePlayer(QStringLiteral("Luca"), QStringLiteral("anna BIANCHI")), players::Problem::Taken);
    EXPECT_EQ(store->renamePlayer(QStringLiteral("Marco"), QStringLiteral("Paolo")), players::Problem::Missing);
    EXPECT_EQ(store->renamePlayer(QStringLiteral("luca"), QStringLiteral("Luca Verdi")), players::Problem::None);
    EXPECT_EQ(store->renamePlayer(QStringLiteral("Luca Verdi"), QStringLiteral("LUCA VERDI")), players::Problem::None);
    EXPECT_EQ(store->currentPlayer(), QStringLiteral("LUCA VERDI"));   // the choice follows the rename
    auto r = store->reading();
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE player = 'LUCA VERDI'")), 3);

    EXPECT_EQ(store->removePlayer(QStringLiteral("anna bianchi")), players::Problem::None);
    EXPECT_EQ(store->players(), QStringList{QStringLiteral("LUCA VERDI")});
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 3);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE player_key = 'anna bianchi'")), 0);
}

TEST_F(ResultsFixture, TheAnswersBelongToTheOnlyPlayerOrTheOneChosen)
{
    {
        auto store = makeStore();
        EXPECT_EQ(store->currentPlayer(), QStringLiteral("Maria Rossi"));
        store->addPlayer(QStringLiteral("Sara"));
        EXPECT_EQ(store->currentPlayer(), QStringLiteral("Sara"));
        store->addPlayer(QStringLiteral("Anna"));
        EXPECT_EQ(store->currentPlayer(), QStringLiteral("Maria Rossi"));   // the computer's user until one is chosen
        store->choosePlayer(QStringLiteral("Sara"));
    }
    auto store = makeStore();
    EXPECT_EQ(store->currentPlayer(), QStringLiteral("Sara"));   // remembered
    store->removePlayer(QStringLiteral("Sara"));
    EXPECT_EQ(store->currentPlayer(), QStringLiteral("Anna"));
}

TEST_F(ResultsFixture, AFolderThatCannotBeMadeKeepsNothingAndSaysWhy)
{
    // The data folder's place is taken by a file: no user, root included,
    // can make the folder there.
    const QString blocker = QDir(dir.path()).filePath(QStringLiteral("blocker"));
    testfiles::writeBytes(blocker, "a file, not a folder");
    ResultsStore::Setup s;
    s.config.localPath = QDir(blocker).filePath(QStringLiteral("contalandia/results.sqlite"));
    s.computerUser = QStringLiteral("x");
    ResultsStore store(s);
    EXPECT_FALSE(store.usable());
    EXPECT_FALSE(store.problem().isEmpty());
    EXPECT_EQ(store.currentPlayer(), QStringLiteral("x"));
    store.record(answer(QStringLiteral("FormMM"), true));   // kept in memory, never a crash
    store.waitForWrites();
    EXPECT_EQ(store.notKept(), 1);
    EXPECT_EQ(store.notKeptBecause(), FileTrouble::ReadOnly);
    EXPECT_FALSE(store.reading().db.isValid());
    EXPECT_EQ(testfiles::readBytes(blocker), QByteArray("a file, not a folder"));
}

// Every answer and the PIN's hash are for the computer's user alone: the
// file and its folder are made so, those found open to all are tightened,
// and so is the user's settings file that names the server.
TEST_F(ResultsFixture, TheResultsAreForTheUserAlone)
{
    auto modeOf = [](const QString& path) {
        struct stat st{};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };
    const QString folder = QFileInfo(dbPath()).absolutePath();
    const QString settings = QDir(dir.path()).filePath(QStringLiteral("contalandia.ini"));
    testfiles::writeBytes(settings, "[Results]\nDatabase=postgresql://maestra@127.0.0.1:1/classe\n");
    struct Case { const char* what; bool openToAll; };
    for (const Case c : {Case{"made new", false}, Case{"found open to all", true}}) {
        SCOPED_TRACE(c.what);
        if (c.openToAll) {
            for (const QString& f : {dbPath(), dbPath() + QStringLiteral("-wal"), dbPath() + QStringLiteral("-shm"),
                                     settings})
                if (QFileInfo::exists(f))
                    ::chmod(QFile::encodeName(f).constData(), 0644);
            ::chmod(QFile::encodeName(folder).constData(), 0755);
            ASSERT_EQ(modeOf(dbPath()), 0644);
        } else {
            QDir(folder).removeRecursively();
            ::chmod(QFile::encodeName(settings).constData(), 0644);
        }
        {
            ResultsStore::Setup s;
            s.config = readResultsConfig({settings}, dbPath());
            ASSERT_TRUE(s.config.server.has_value());
            s.computerUser = QStringLiteral("Maria Rossi");
            s.retryMinMs = 50;
            ResultsStore store(s);
            ASSERT_TRUE(store.usable()) << store.problem().toStdString();
            store.record(answer(QStringLiteral("FormMM"), true));
            store.waitForWrites();
            EXPECT_EQ(modeOf(folder), 0700);
            EXPECT_EQ(modeOf(dbPath()), 0600);
            EXPECT_EQ(modeOf(dbPath() + QStringLiteral("-wal")), 0600);
            EXPECT_EQ(modeOf(dbPath() + QStringLiteral("-shm")), 0600);
            EXPECT_EQ(modeOf(settings), 0600);
        }
    }
}

// The wait after five wrong tries at the PIN, and the wrong tries short of
// five, go on after the program starts again.
TEST_F(ResultsFixture, ThePinsWaitGoesOnAfterARestart)
{
    {
        auto store = makeStore();
        for (int i = 0; i < PinGate::triesBeforeWait; ++i)
            store->pinGate().settle(false);
        EXPECT_FALSE(store->pinGate().canTry());
    }
    {
        auto store = makeStore();
        EXPECT_FALSE(store->pinGate().canTry());
        EXPECT_GT(store->pinGate().secondsToWait(), PinGate::waitSeconds - 10);
        EXPECT_LE(store->pinGate().secondsToWait(), PinGate::waitSeconds);
        store->setSetting(QStringLiteral("pin_wait_until_ms"), QStringLiteral("0"));   // the minute is over
    }
    {
        auto store = makeStore();
        ASSERT_TRUE(store->pinGate().canTry());
        for (int i = 0; i < PinGate::triesBeforeWait - 1; ++i)
            store->pinGate().settle(false);
    }
    auto store = makeStore();
    EXPECT_TRUE(store->pinGate().canTry());
    store->pinGate().settle(false);   // the fifth in a row, across the restart
    EXPECT_FALSE(store->pinGate().canTry());
}
