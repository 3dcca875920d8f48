// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Eventually.h"
#include "results/ResultsQueries.h"
#include "results/ResultsFixture.h"
#include "results/PrivatePostgres.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int count(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
    return q.next() ? q.value(0).toInt() : -1;
}

// A server that takes the connection and then never says a word: the
// socket listens, the system completes the connection, nobody reads it.
class SilentServer
{
public:
    SilentServer()
    {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(socket_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(socket_, 8) == 0
            && ::getsockname(socket_, reinterpret_cast<sockaddr*>(&a), &len) == 0)
            port_ = ntohs(a.sin_port);
    }
    ~SilentServer() { ::close(socket_); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    int port() const { return port_; }
    // Whether a connection waits to be taken (someone is stuck on it).
    bool someoneWaits() const
    {
        pollfd p{socket_, POLLIN, 0};
        return ::poll(&p, 1, 0) == 1;
    }

private:
    int socket_ = -1;
    int port_ = 0;
};

class PostgresResults : public ResultsFixture
{
protected:
    void SetUp() override
    {
        if (!pg.available())
            GTEST_SKIP() << pg.why();
        ASSERT_TRUE(pg.start());
    }
    PrivatePostgres pg;
};

} // namespace

TEST_F(PostgresResults, TwoComputersWriteToOneServerAndBothAreShown)
{
    auto first = makeStore(pg.address(), QStringLiteral("pc1"));
    auto second = makeStore(pg.address(), QStringLiteral("pc2"));
    ASSERT_TRUE(first->usable());
    ASSERT_TRUE(first->usesServer());
    ASSERT_EQ(first->addPlayer(QStringLiteral("Anna")), players::Problem::None);
    // The other computer learns the name at its next connection.
    EXPECT_EQ(second->addPlayer(QStringLiteral("ANNA")), players::Problem::Taken);
    ASSERT_EQ(second->addPlayer(QStringLiteral("Luca")), players::Problem::None);

    for (int i = 0; i < 20; ++i) {
        first->record(answer(QStringLiteral("FormMM"), i % 4 != 0, {}, QStringLiteral("Anna")));
        second->record(answer(QStringLiteral("Form999c"), i % 2 == 0, {}, QStringLiteral("Luca"),
                              QStringLiteral("abacus")));
    }
    first->waitForWrites();
    second->waitForWrites();
    ASSERT_TRUE(eventually([&] { return first->pending() == 0 && second->pending() == 0; }));
    EXPECT_TRUE(first->serverReachable());

    auto r = first->reading();
    ASSERT_TRUE(r.db.isValid()) << r.error.toStdString();
    EXPECT_EQ(r.dialect, resultsSchema::Dialect::PostgreSQL);
    std::vector<SummaryRow> rows = resultsQueries::screenSummaries(r.db, {}, nullptr);
    summaries::sortByStruggle(rows);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].player, QStringLiteral("Anna"));
    EXPECT_EQ(rows[0].right, 15);
    EXPECT_EQ(rows[1].player, QStringLiteral("Luca"));
    EXPECT_EQ(rows[1].right, 10);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(DISTINCT computer) FROM answers")), 2);

    const auto days = resultsQueries::perDay(r.db, r.dialect, {}, {}, QDate::currentDate().addDays(-7), nullptr);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].day, QDate::currentDate());
    EXPECT_EQ(days[0].right + days[0].wrong, 40);

    // A rename on the server reaches every answer there.
    EXPECT_EQ(second->renamePlayer(QStringLiteral("luca"), QStringLiteral("Luca B.")), players::Problem::None);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE player = 'Luca B.'")), 20);
    // The server keeps its summaries through renames and a removal, as
    // grouping its answers gives them.
    expectTotalsAsGrouped(r.db);
    EXPECT_EQ(second->renamePlayer(QStringLiteral("luca b."), QStringLiteral("LUCA B.")), players::Problem::None);
    expectTotalsAsGrouped(r.db);
    EXPECT_EQ(first->removePlayer(QStringLiteral("Anna")), players::Problem::None);
    expectTotalsAsGrouped(r.db);
    rows = resultsQueries::screenSummaries(r.db, {}, nullptr);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].player, QStringLiteral("LUCA B."));
    EXPECT_EQ(rows[0].answers, 20);
}

TEST_F(PostgresResults, AnswersMadeWhileTheServerIsDownArriveOnceWhenItIsBack)
{
    auto store = makeStore(pg.address());
    for (int i = 0; i < 30; ++i)
        store->record(answer(QStringLiteral("FormMM"), true));
    store->waitForWrites();
    ASSERT_TRUE(eventually([&] { return store->pending() == 0; }));

    ASSERT_TRUE(pg.stop());
    for (int i = 0; i < 40; ++i)
        store->record(answer(QStringLiteral("FormMM"), false));
    store->waitForWrites();
    EXPECT_FALSE(store->serverReachable());
    EXPECT_EQ(store->pending(), 40);          // kept on this computer
    EXPECT_EQ(store->lost(), 0);

    // The program ends and starts again while the server is still down.
    store.reset();
    store = makeStore(pg.address());
    store->record(answer(QStringLiteral("FormMM"), true));
    store->waitForWrites();
    EXPECT_EQ(store->pending(), 41);

    ASSERT_TRUE(pg.start());
    store->sendNow();
    ASSERT_TRUE(eventually([&] { return store->pending() == 0 && store->serverReachable(); }));
    auto r = store->reading();
    ASSERT_TRUE(r.db.isValid()) << r.error.toStdString();
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 71);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(DISTINCT id) FROM answers")), 71);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE is_right = 0")), 40);
}

TEST_F(PostgresResults, AnAnswerSentAgainAfterAFailureIsStoredOnce)
{
    // The server has the answer, but this computer did not learn it: the
    // commit went through and the program died before taking it off its
    // queue.
    auto store = makeStore(pg.address());
    AnswerRecord a = answer(QStringLiteral("FormMM"), true);
    a.id = QUuid::createUuid();
    store->record(a);
    store->waitForWrites();
    ASSERT_TRUE(eventually([&] { return store->pending() == 0; }));
    store.reset();
    {
        QSqlDatabase local = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("resend"));
        local.setDatabaseName(QDir(dir.path()).filePath(QStringLiteral("pc1/results.sqlite")));
        ASSERT_TRUE(local.open());
        QSqlQuery q(local);
        ASSERT_TRUE(q.exec(QStringLiteral(
            "INSERT INTO pending_answers (id, at_ms, player, player_key, computer, screen, family, problem, "
            "answer, is_right) VALUES ('%1', 1, 'Maria Rossi', 'maria rossi', 'pc1', 'FormMM', 'written', "
            "'x', 'y', 1)").arg(a.id.toString(QUuid::WithoutBraces))))
            << q.lastError().text().toStdString();
        local.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("resend"));

    store = makeStore(pg.address());
    store->waitForWrites();
    ASSERT_TRUE(eventually([&] { return store->pending() == 0; }));
    auto r = store->reading();
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 1);
    expectTotalsAsGrouped(r.db);   // counted once too
}

TEST_F(PostgresResults, AServerThatCannotBeReachedNeverStopsRecording)
{
    ServerAddress nowhere = pg.address();
    ASSERT_TRUE(pg.stop());
    auto store = makeStore(nowhere);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 100; ++i)
        store->record(answer(QStringLiteral("FormMM"), true));
    EXPECT_LT(t.elapsed(), 100);   // handing over only
    store->waitForWrites();
    EXPECT_EQ(store->pending(), 100);
    auto r = store->reading();
    EXPECT_TRUE(r.thisComputerOnly);   // this computer's copy instead
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 100);
}

TEST_F(PostgresResults, AServerThatHangsNeverHoldsUpTheWritingHere)
{
    SilentServer silent;
    ASSERT_GT(silent.port(), 0);
    ServerAddress hanging = pg.address();
    hanging.port = silent.port();
    serverTimeoutSeconds = 4;
    auto store = makeStore(hanging);
    ASSERT_TRUE(eventually([&] { return silent.someoneWaits(); }, 2000)) << "the store never tried the server";

    // While the sender waits on the silent server, answers land in this
    // computer's queue at once.
    QSqlDatabase local = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hang-check"));
    local.setDatabaseName(QDir(dir.path()).filePath(QStringLiteral("pc1/results.sqlite")));
    ASSERT_TRUE(local.open());
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 5; ++i)
        store->record(answer(QStringLiteral("FormMM"), i % 2 == 0));
    ASSERT_TRUE(eventually([&] { return count(local, QStringLiteral("SELECT count(*) FROM pending_answers")) == 5; },
                           3000));
    EXPECT_LT(t.elapsed(), 1000) << "the writing waited for the server";
    EXPECT_TRUE(silent.someoneWaits());   // the server still hangs meanwhile
    EXPECT_FALSE(store->serverReachable());
    local.close();
    local = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("hang-check"));

    // Pointed at the real server, the queue arrives once.
    store.reset();
    store = makeStore(pg.address());
    store->waitForWrites();
    ASSERT_TRUE(eventually([&] { return store->pending() == 0 && store->serverReachable(); }));
    auto r = store->reading();
    ASSERT_TRUE(r.db.isValid()) << r.error.toStdString();
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 5);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE is_right = 1")), 3);
}

// A computer that kept its answers without a server (none named, or an
// address that was refused) sends them once one is named and works, each
// once; and when the server cannot be read, this computer's own answers
// (the ones delivered included) are what the results show.
TEST_F(PostgresResults, WhatWaitedWithoutAServerIsSentOnceAndShownWhenTheServerCannotBeRead)
{
    const QString file = QDir(dir.path()).filePath(QStringLiteral("pc1/results.sqlite"));
    auto storeAt = [&](std::optional<ServerAddress> server) {
        ResultsStore::Setup s;
        s.config.localPath = file;
        s.config.server = server;
        if (!server)
            s.config.problem = QStringLiteral("contalandia.ini: [Results] Database: options after the database name "
                                              "are not read");
        s.computer = QStringLiteral("pc1");
        s.computerUser = QStringLiteral("Maria Rossi");
        s.serverTimeoutSeconds = 2;
        s.retryMinMs = 100;
        s.retryMaxMs = 400;
        return std::make_unique<ResultsStore>(s);
    };
    auto onServer = [&] {
        auto reader = storeAt(pg.address());
        auto r = reader->reading();
        return r.db.isValid() && !r.thisComputerOnly ? count(r.db, QStringLiteral("SELECT count(*) FROM answers")) : -1;
    };
    {
        auto refused = storeAt(std::nullopt);
        for (int i = 0; i < 5; ++i)
            refused->record(answer(QStringLiteral("FormMM"), true));
    }
    {
        auto mended = storeAt(pg.address());
        mended->record(answer(QStringLiteral("FormMM"), false));
        mended->waitForWrites();
        ASSERT_TRUE(eventually([&] { return mended->pending() == 0 && mended->serverReachable(); }));
    }
    EXPECT_EQ(onServer(), 6);
    {
        auto again = storeAt(pg.address());
        again->waitForWrites();
        EXPECT_EQ(again->pending(), 0);   // nothing of it goes a second time
        again->record(answer(QStringLiteral("FormMM"), true));
        again->waitForWrites();
        ASSERT_TRUE(eventually([&] { return again->pending() == 0; }));
    }
    EXPECT_EQ(onServer(), 7);

    ASSERT_TRUE(pg.stop());
    auto store = storeAt(pg.address());
    auto r = store->reading();
    ASSERT_TRUE(r.db.isValid());
    EXPECT_TRUE(r.thisComputerOnly);
    EXPECT_FALSE(r.error.isEmpty());   // for the log
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 7);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT sum(answers) FROM answer_totals")), 7);
    EXPECT_EQ(store->addPlayer(QStringLiteral("Anna")), players::Problem::Database);   // the names live there
}

// In a classroom the PIN is the server's: set on one computer it holds on
// the others, and a removed local file does not remove it; a computer that
// cannot read the server and has no copy of it stays shut.
TEST_F(PostgresResults, ThePinLivesOnTheServer)
{
    const QString stored = pin::hash(QStringLiteral("97531"), 1000);
    {
        auto pc1 = makeStore(pg.address(), QStringLiteral("pc1"));
        ASSERT_TRUE(pc1->pinHash().known);
        EXPECT_TRUE(pc1->pinHash().stored.isEmpty());
        ASSERT_TRUE(pc1->setPinHash(stored));
    }
    const QString pc2File = QDir(dir.path()).filePath(QStringLiteral("pc2/results.sqlite"));
    {
        auto pc2 = makeStore(pg.address(), QStringLiteral("pc2"));
        EXPECT_TRUE(pin::verify(QStringLiteral("97531"), pc2->pinHash().stored));
    }
    for (const char* companion : {"", "-wal", "-shm"})
        QFile::remove(pc2File + QLatin1String(companion));
    {
        auto pc2 = makeStore(pg.address(), QStringLiteral("pc2"));
        EXPECT_TRUE(pin::verify(QStringLiteral("97531"), pc2->pinHash().stored));   // the server's still
    }
    ASSERT_TRUE(pg.stop());
    auto pc2 = makeStore(pg.address(), QStringLiteral("pc2"));
    EXPECT_TRUE(pin::verify(QStringLiteral("97531"), pc2->pinHash().stored));   // its copy
    auto pc3 = makeStore(pg.address(), QStringLiteral("pc3"));
    EXPECT_FALSE(pc3->pinHash().known);   // nothing to tell by: shut
    EXPECT_FALSE(pc3->setPinHash(QString()));
}

namespace {

// openssl, as the test's own certificate authority.
bool openssl(const QString& folder, const QStringList& arguments)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("openssl"), arguments);
    const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        ADD_FAILURE() << "openssl " << arguments.join(u' ').toStdString() << ": " << p.readAll().toStdString();
    return ok;
}

// A self-signed certificate authority `name`.crt / `name`.key in the folder.
bool makeAuthority(const QString& folder, const QString& name)
{
    return openssl(folder, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                            QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                            QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                            QStringLiteral("/CN=") + name, QStringLiteral("-addext"),
                            QStringLiteral("basicConstraints=critical,CA:TRUE"), QStringLiteral("-addext"),
                            QStringLiteral("keyUsage=critical,keyCertSign,cRLSign"), QStringLiteral("-keyout"),
                            name + QStringLiteral(".key"), QStringLiteral("-out"), name + QStringLiteral(".crt")});
}

} // namespace

// An encrypted, verified connection: the server's certificate is signed by
// the school's authority, which the address names; with another authority
// named the connection is refused and the answers wait here.
TEST_F(PostgresResults, AnEncryptedClassroomConnectsOnlyToTheServerItsAuthoritySigned)
{
    if (QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty())
        GTEST_SKIP() << "openssl is not installed (scripts/deps.sh installs it)";
    QTemporaryDir certs;
    const QString folder = certs.path();
    ASSERT_TRUE(makeAuthority(folder, QStringLiteral("school")));
    ASSERT_TRUE(makeAuthority(folder, QStringLiteral("stranger")));
    testfiles::writeBytes(QDir(folder).filePath(QStringLiteral("server.ext")),
                          "subjectAltName=IP:127.0.0.1,DNS:localhost\n");
    ASSERT_TRUE(openssl(folder, {QStringLiteral("req"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                                 QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"),
                                 QStringLiteral("-nodes"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                                 QStringLiteral("-keyout"), QStringLiteral("server.key"), QStringLiteral("-out"),
                                 QStringLiteral("server.csr")}));
    ASSERT_TRUE(openssl(folder, {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                                 QStringLiteral("server.csr"), QStringLiteral("-CA"), QStringLiteral("school.crt"),
                                 QStringLiteral("-CAkey"), QStringLiteral("school.key"),
                                 QStringLiteral("-CAcreateserial"), QStringLiteral("-days"), QStringLiteral("2"),
                                 QStringLiteral("-extfile"), QStringLiteral("server.ext"), QStringLiteral("-out"),
                                 QStringLiteral("server.crt")}));
    ASSERT_TRUE(pg.stop());
    ASSERT_TRUE(pg.useTls(QDir(folder).filePath(QStringLiteral("server.crt")),
                          QDir(folder).filePath(QStringLiteral("server.key"))));
    ASSERT_TRUE(pg.start());

    auto addressWith = [&](const char* mode, const QString& authority) {
        ServerAddress a = pg.address();
        QString text = a.shown() + QStringLiteral("?sslmode=") + QLatin1String(mode);
        if (!authority.isEmpty())
            text += QStringLiteral("&sslrootcert=") + QDir(folder).filePath(authority);
        const auto parsed = parseServerAddress(text);
        EXPECT_TRUE(parsed.has_value()) << text.toStdString();
        return parsed.value_or(a);
    };
    {
        auto store = makeStore(addressWith("verify-full", QStringLiteral("school.crt")), QStringLiteral("pc1"));
        for (int i = 0; i < 3; ++i)
            store->record(answer(QStringLiteral("FormMM"), true));
        store->waitForWrites();
        ASSERT_TRUE(eventually([&] { return store->pending() == 0 && store->serverReachable(); }));
        auto r = store->reading();
        ASSERT_TRUE(r.db.isValid() && !r.thisComputerOnly) << r.error.toStdString();
        QSqlQuery q(r.db);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()")) && q.next());
        EXPECT_TRUE(q.value(0).toBool());   // encrypted indeed
        EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers")), 3);
    }
    for (const char* mode : {"verify-full", "verify-ca"}) {
        SCOPED_TRACE(mode);
        auto store = makeStore(addressWith(mode, QStringLiteral("stranger.crt")), QLatin1String(mode));
        store->record(answer(QStringLiteral("FormMM"), false));
        store->waitForWrites();
        EXPECT_FALSE(store->serverReachable());
        EXPECT_EQ(store->pending(), 1);   // waits here
        auto r = store->reading();
        EXPECT_TRUE(r.thisComputerOnly);
        EXPECT_TRUE(r.error.contains(QStringLiteral("certificate"), Qt::CaseInsensitive)) << r.error.toStdString();
    }
}

// A player removed on one computer while another, offline, still holds
// answers of theirs: those arrive later and are refused, and the player's
// answers made after the removal start them afresh.
TEST_F(PostgresResults, ARemovedPlayerStaysRemovedWhenAnOfflineComputerComesBack)
{
    ServerAddress unreachable = pg.address();
    unreachable.port = 1;   // nobody listens there
    {
        auto pc2 = makeStore(unreachable, QStringLiteral("pc2"));
        for (int i = 0; i < 3; ++i)
            pc2->record(answer(QStringLiteral("FormMM"), true, {}, QStringLiteral("Luca")));
        pc2->waitForWrites();
        EXPECT_EQ(pc2->pending(), 3);
    }
    auto pc1 = makeStore(pg.address(), QStringLiteral("pc1"));
    ASSERT_EQ(pc1->addPlayer(QStringLiteral("Luca")), players::Problem::None);
    ASSERT_EQ(pc1->addPlayer(QStringLiteral("Anna")), players::Problem::None);
    pc1->record(answer(QStringLiteral("FormMM"), false, {}, QStringLiteral("Luca")));
    pc1->record(answer(QStringLiteral("FormMM"), false, {}, QStringLiteral("Anna")));
    pc1->waitForWrites();
    ASSERT_TRUE(eventually([&] { return pc1->pending() == 0; }));
    QThread::msleep(5);
    ASSERT_EQ(pc1->removePlayer(QStringLiteral("Luca")), players::Problem::None);
    QThread::msleep(5);

    auto luca = [&] {
        auto r = pc1->reading();
        return count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE player_key = 'luca'"));
    };
    {
        auto pc2 = makeStore(pg.address(), QStringLiteral("pc2"));   // back online
        pc2->waitForWrites();
        ASSERT_TRUE(eventually([&] { return pc2->pending() == 0 && pc2->serverReachable(); }));
        EXPECT_EQ(luca(), 0);   // made before the removal: refused
        pc2->record(answer(QStringLiteral("FormMM"), true, {}, QStringLiteral("Luca")));
        pc2->waitForWrites();
        ASSERT_TRUE(eventually([&] { return pc2->pending() == 0; }));
    }
    EXPECT_EQ(luca(), 1);   // made after it: Luca afresh
    auto r = pc1->reading();
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT count(*) FROM answers WHERE player_key = 'anna'")), 1);
    EXPECT_EQ(count(r.db, QStringLiteral("SELECT coalesce(sum(answers), 0) FROM answer_totals WHERE player_key = 'luca'")),
              1);
}
