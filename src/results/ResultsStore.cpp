// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsStore.h"

#include "results/PrivateFiles.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <pwd.h>
#include <unistd.h>

namespace {

QString uniquePrefix()
{
    static std::atomic<int> count{0};
    return QStringLiteral("contalandia-results-%1").arg(++count);
}

} // namespace

QString computerUserName()
{
    if (const passwd* pw = getpwuid(getuid())) {
        // The full name is the first comma-separated field of the GECOS.
        const QString full = QString::fromLocal8Bit(pw->pw_gecos ? pw->pw_gecos : "")
                                 .section(QLatin1Char(','), 0, 0).simplified();
        if (!full.isEmpty())
            return full.left(players::maxNameLength);
        return QString::fromLocal8Bit(pw->pw_name).left(players::maxNameLength);
    }
    return qEnvironmentVariable("USER").left(players::maxNameLength);
}

ResultsStore::ResultsStore(Setup setup, QObject* parent)
    : QObject(parent), setup_(std::move(setup)), pinGate_([this] {
          if (setup_.now)
              return setup_.now();
          static const QElapsedTimer started = [] { QElapsedTimer t; t.start(); return t; }();
          return started.elapsed() / 1000.0;
      })
{
    const QString prefix = uniquePrefix();
    localName_ = prefix + QStringLiteral("-ui");
    serverName_ = prefix + QStringLiteral("-ui-server");
    problem_ = setup_.config.problem;
    // The settings file that names the server is the user's own alone too
    // (the system's, in /etc, is for every user of the computer).
    if (!setup_.config.settingsFile.isEmpty() && !setup_.config.settingsFile.startsWith(QLatin1String("/etc/")))
        privatefiles::tighten(setup_.config.settingsFile);

    checkPending_ = setup_.wholeFileCheckLater;
    // Never a wait here: a file held by another program is opened later.
    const LocalOpening opening = openLocalDatabase(localName_, setup_.config.localPath,
                                                   checkPending_ ? FileCheck::Shape : FileCheck::Whole, 0);
    usable_ = opening.ok;
    movedAsideTo_ = opening.movedAsideTo;
    if (usable_) {
        opened();
    } else {
        problem_ = opening.error;
        trouble_ = opening.trouble;
        // The writer opens it with the whole check, in its own thread.
        checkPending_ = false;
        qWarning("results: %s cannot be used now, answers wait in memory and it is tried again: %s",
                 qPrintable(setup_.config.localPath), qPrintable(opening.error));
    }
    refreshCurrentPlayer();

    ResultsWriter::Setup ws;
    ws.localPath = setup_.config.localPath;
    ws.server = setup_.config.server;
    ws.connectionPrefix = prefix;
    ws.serverTimeoutSeconds = setup_.serverTimeoutSeconds;
    ws.retryMinMs = setup_.retryMinMs;
    ws.retryMaxMs = setup_.retryMaxMs;
    ws.busyMs = setup_.busyMs;
    thread_ = new QThread(this);
    thread_->setObjectName(QStringLiteral("results writer"));
    ResultsWriter::Setup writes = ws;
    writes.opensFile = !usable_;
    writes.openCheck = int(FileCheck::Whole);
    writer_ = new ResultsWriter(writes, state_);
    writer_->moveToThread(thread_);
    connect(writer_, &ResultsWriter::fileOpened, this, &ResultsStore::fileOpened);
    thread_->start(QThread::LowPriority);
    if (setup_.config.server) {
        ws.role = ResultsWriter::Setup::Role::Sends;
        senderThread_ = new QThread(this);
        senderThread_->setObjectName(QStringLiteral("results sender"));
        sender_ = new ResultsWriter(ws, state_);
        sender_->moveToThread(senderThread_);
        connect(sender_, &ResultsWriter::serverPlayers, this, &ResultsStore::keepServerPlayers);
        connect(writer_, &ResultsWriter::queued, sender_, &ResultsWriter::sendQueued);
        senderThread_->start(QThread::LowPriority);
    }
    if (!checkPending_)
        startWorkers();
}

// This thread's connection is open: what it does later for a grown-up (the
// players, the PIN) may wait a moment for the writer's transaction.
void ResultsStore::opened()
{
    QSqlQuery(local()).exec(QStringLiteral("PRAGMA busy_timeout = 250"));
    // The PIN's wait goes on across runs, on the wall clock.
    const qint64 until = setting(QStringLiteral("pin_wait_until_ms")).toLongLong();
    pinGate_.restore(setting(QStringLiteral("pin_wrong")).toInt(),
                     (until - QDateTime::currentMSecsSinceEpoch()) / 1000.0);
    pinGate_.onChange([this](int wrong, double secondsLeft) {
        setSetting(QStringLiteral("pin_wrong"), QString::number(wrong));
        setSetting(QStringLiteral("pin_wait_until_ms"),
                   QString::number(secondsLeft > 0 ? QDateTime::currentMSecsSinceEpoch() + qint64(secondsLeft * 1000)
                                                   : 0));
    });
}

bool ResultsStore::hasSetting(const QString& key) const
{
    if (!usable_)
        return false;
    QSqlQuery q(local());
    q.prepare(QStringLiteral("SELECT 1 FROM settings WHERE key = ?"));
    q.addBindValue(key);
    return q.exec() && q.next();
}

namespace {
const QString PinKey = QStringLiteral("pin");
const QString ServerPinKey = QStringLiteral("server_pin");   // this computer's copy of the server's
} // namespace

ResultsStore::PinHash ResultsStore::pinHash()
{
    checkWholeFile();
    if (!usable_)
        return {{}, false};
    const QString here = setting(PinKey);
    if (!usesServer())
        return {here, true};
    Reading r = reading();
    if (r.db.isValid() && !r.thisComputerOnly) {
        QSqlQuery q(r.db);
        q.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
        q.addBindValue(PinKey);
        if (q.exec()) {
            const QString onServer = q.next() ? q.value(0).toString() : QString();
            setSetting(ServerPinKey, onServer);
            return {onServer.isEmpty() ? here : onServer, true};
        }
    }
    if (!hasSetting(ServerPinKey))
        return {here, !here.isEmpty()};   // a PIN of this computer holds; none cannot be told
    const QString copy = setting(ServerPinKey);
    return {copy.isEmpty() ? here : copy, true};
}

bool ResultsStore::setPinHash(const QString& stored)
{
    checkWholeFile();
    if (!usable_)
        return false;
    if (usesServer()) {
        Reading r = reading();
        if (!r.db.isValid() || r.thisComputerOnly)
            return false;
        QSqlQuery q(r.db);
        q.prepare(QStringLiteral("INSERT INTO settings (key, value) VALUES (?, ?) "
                                 "ON CONFLICT (key) DO UPDATE SET value = excluded.value"));
        q.addBindValue(PinKey);
        q.addBindValue(stored.isNull() ? QStringLiteral("") : stored);
        if (!q.exec())
            return false;
        setSetting(ServerPinKey, stored);
    }
    // With a server, a PIN of this computer's own goes: the server's holds.
    return setSetting(PinKey, usesServer() ? QString() : stored);
}

// The workers open their own connections to the checked file; the writer
// opens it itself when this thread could not.
void ResultsStore::startWorkers()
{
    QMetaObject::invokeMethod(writer_, [w = writer_] { w->open(); }, Qt::QueuedConnection);
    if (sender_ && usable_)
        QMetaObject::invokeMethod(sender_, [s = sender_] { s->open(); }, Qt::QueuedConnection);
}

void ResultsStore::fileOpened(const QString& movedAsideTo)
{
    if (!movedAsideTo.isEmpty())
        movedAsideTo_ = movedAsideTo;
    openAfterWriter();
}

void ResultsStore::openAfterWriter()
{
    if (usable_)
        return;
    const LocalOpening opening = openLocalDatabase(localName_, setup_.config.localPath, FileCheck::None, 0);
    if (!opening.ok) {
        // Taken again meanwhile: tried again, never waited for.
        openWaitMs_ = qBound(setup_.retryMinMs / 8, 2 * openWaitMs_, setup_.retryMaxMs);
        QTimer::singleShot(openWaitMs_, this, &ResultsStore::openAfterWriter);
        return;
    }
    usable_ = true;
    problem_ = setup_.config.problem;
    trouble_ = FileTrouble::None;
    opened();
    qInfo("results: %s is open", qPrintable(setup_.config.localPath));
    if (sender_)
        QMetaObject::invokeMethod(sender_, [s = sender_] { s->open(); }, Qt::QueuedConnection);
    refreshCurrentPlayer();
    emit playersChanged();
}

void ResultsStore::checkWholeFile()
{
    if (!checkPending_)
        return;
    checkPending_ = false;
    if (usable_) {
        const LocalOpening checked = checkWholeLocalDatabase(localName_, setup_.config.localPath);
        if (!checked.movedAsideTo.isEmpty())
            movedAsideTo_ = checked.movedAsideTo;
        if (!checked.ok) {
            usable_ = false;
            problem_ = checked.error;
            qWarning("results: %s cannot be used, answers are not kept: %s",
                     qPrintable(setup_.config.localPath), qPrintable(checked.error));
        }
        if (!checked.movedAsideTo.isEmpty() || !checked.ok) {
            refreshCurrentPlayer();
            emit playersChanged();
        }
    }
    startWorkers();
}

ResultsStore::~ResultsStore()
{
    // Everything recorded is written before the worker stops; with a server
    // that cannot be reached it waits in this computer's queue.
    QMetaObject::invokeMethod(writer_, [w = writer_] { w->close(); }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete writer_;
    if (sender_) {
        QMetaObject::invokeMethod(sender_, [s = sender_] { s->close(); }, Qt::BlockingQueuedConnection);
        senderThread_->quit();
        senderThread_->wait();
        delete sender_;
    }
    closeConnection(serverName_);
    closeConnection(localName_);
}

QString ResultsStore::serverShown() const
{
    return setup_.config.server ? setup_.config.server->shown() : QString();
}

void ResultsStore::record(AnswerRecord answer)
{
    checkWholeFile();
    if (answer.id.isNull())
        answer.id = QUuid::createUuid();
    if (!answer.at.isValid())
        answer.at = QDateTime::currentDateTimeUtc();
    if (answer.player.isEmpty())
        answer.player = currentPlayer_;
    if (answer.computer.isEmpty())
        answer.computer = setup_.computer;
    QMetaObject::invokeMethod(writer_, [w = writer_, answer] { w->write(answer); }, Qt::QueuedConnection);
}

void ResultsStore::record(VisitRecord visit)
{
    checkWholeFile();
    if (visit.id.isNull())
        visit.id = QUuid::createUuid();
    if (visit.player.isEmpty())
        visit.player = currentPlayer_;
    if (visit.computer.isEmpty())
        visit.computer = setup_.computer;
    QMetaObject::invokeMethod(writer_, [w = writer_, visit] { w->write(visit); }, Qt::QueuedConnection);
}

void ResultsStore::waitForWrites()
{
    checkWholeFile();
    QMetaObject::invokeMethod(writer_, [] {}, Qt::BlockingQueuedConnection);
    // The writer's word about what it queued is on the sender's list by now.
    if (sender_)
        QMetaObject::invokeMethod(sender_, [] {}, Qt::BlockingQueuedConnection);
}

void ResultsStore::sendNow()
{
    if (sender_)
        QMetaObject::invokeMethod(sender_, [s = sender_] { s->sendPending(true); }, Qt::QueuedConnection);
}

QSqlDatabase ResultsStore::local() const
{
    return QSqlDatabase::database(localName_, false);
}

QStringList ResultsStore::playerList() const
{
    if (!usable_)
        return {};
    QSqlDatabase db = local();
    return players::list(db);
}

QStringList ResultsStore::players() const
{
    return playerList();
}

void ResultsStore::refreshCurrentPlayer()
{
    const QStringList names = playerList();
    QString current = setup_.computerUser;
    if (names.size() == 1) {
        current = names.front();
    } else if (names.size() > 1) {
        // None chosen: the computer's user, never someone else's name.
        const QString chosen = setting(QStringLiteral("player"));
        for (const QString& n : names)
            if (playerKey(n) == playerKey(chosen))
                current = n;
    }
    currentPlayer_ = current;
}

void ResultsStore::choosePlayer(const QString& name)
{
    setSetting(QStringLiteral("player"), name);
    refreshCurrentPlayer();
}

void ResultsStore::keepServerPlayers(const QStringList& names)
{
    if (!usable_)
        return;
    QSqlDatabase db = local();
    if (!db.transaction())
        return;
    QSqlQuery q(db);
    bool ok = q.exec(QStringLiteral("DELETE FROM players"));
    q.prepare(QStringLiteral("INSERT INTO players (name_key, name, created_ms) VALUES (?, ?, ?) "
                             "ON CONFLICT (name_key) DO NOTHING"));
    for (const QString& n : names) {
        q.addBindValue(playerKey(n));
        q.addBindValue(n);
        q.addBindValue(QDateTime::currentMSecsSinceEpoch());
        ok = ok && q.exec();
    }
    if (!ok || !db.commit()) {
        db.rollback();
        return;
    }
    refreshCurrentPlayer();
    emit playersChanged();
}

players::Problem ResultsStore::change(const std::function<players::Problem(QSqlDatabase&, bool)>& onServer,
                                      const std::function<players::Problem(QSqlDatabase&, bool)>& onLocal)
{
    checkWholeFile();
    if (!usable_)
        return players::Problem::Database;
    QSqlDatabase db = local();
    players::Problem p = players::Problem::None;
    if (usesServer()) {
        Reading r = reading();
        if (!r.db.isValid() || r.thisComputerOnly)   // the names live on the server
            return players::Problem::Database;
        p = onServer(r.db, false);
        if (p != players::Problem::None)
            return p;
        // The copy on this computer follows; the queue follows a rename.
        onLocal(db, true);
    } else {
        p = onLocal(db, false);
    }
    refreshCurrentPlayer();
    emit playersChanged();
    return p;
}

players::Problem ResultsStore::addPlayer(const QString& name)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    auto add = [&](QSqlDatabase& db, bool) { return players::add(db, name, now); };
    return change(add, add);
}

players::Problem ResultsStore::renamePlayer(const QString& from, const QString& to)
{
    const bool queue = usesServer();
    // The choice of the start screen follows the name.
    const bool chosen = playerKey(setting(QStringLiteral("player"))) == playerKey(from);
    const players::Problem p =
        change([&](QSqlDatabase& db, bool) { return players::rename(db, from, to, false); },
               [&](QSqlDatabase& db, bool) { return players::rename(db, from, to, queue); });
    if (p == players::Problem::None && chosen)
        choosePlayer(players::clean(to));
    return p;
}

players::Problem ResultsStore::removePlayer(const QString& name)
{
    const bool queue = usesServer();
    return change([&](QSqlDatabase& db, bool) { return players::remove(db, name, false); },
                  [&](QSqlDatabase& db, bool) { return players::remove(db, name, queue); });
}

QString ResultsStore::setting(const QString& key) const
{
    if (!usable_)
        return {};
    QSqlQuery q(local());
    q.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    q.addBindValue(key);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

bool ResultsStore::setSetting(const QString& key, const QString& value)
{
    checkWholeFile();
    if (!usable_)
        return false;
    QSqlQuery q(local());
    q.prepare(QStringLiteral("INSERT INTO settings (key, value) VALUES (?, ?) "
                             "ON CONFLICT (key) DO UPDATE SET value = excluded.value"));
    q.addBindValue(key);
    q.addBindValue(value.isNull() ? QStringLiteral("") : value);
    return q.exec();
}

ResultsStore::Reading ResultsStore::reading()
{
    checkWholeFile();
    Reading r;
    if (!usesServer()) {
        if (usable_) {
            r.db = local();
        } else {
            r.error = problem_;
            r.trouble = trouble_ == FileTrouble::None ? FileTrouble::Other : trouble_;
        }
        return r;
    }
    r.server = true;
    r.dialect = resultsSchema::Dialect::PostgreSQL;
    QSqlDatabase db = QSqlDatabase::database(serverName_, false);
    if (db.isValid() && db.isOpen()) {
        // A connection kept from an earlier reading: still alive?
        QSqlQuery ping(db);
        if (ping.exec(QStringLiteral("SELECT 1"))) {
            r.db = db;
            return r;
        }
    }
    r.error = openServerDatabase(serverName_, *setup_.config.server, setup_.serverTimeoutSeconds);
    if (r.error.isEmpty()) {
        r.db = QSqlDatabase::database(serverName_, false);
        return r;
    }
    closeConnection(serverName_);
    qWarning("results: the server %s cannot be read, this computer's answers are shown: %s",
             qPrintable(setup_.config.server->shown()), qPrintable(r.error.simplified()));
    if (usable_) {
        r.db = local();
        r.dialect = resultsSchema::Dialect::SQLite;
        r.thisComputerOnly = true;
    }
    return r;
}
