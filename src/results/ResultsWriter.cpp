// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsWriter.h"

#include "results/Connections.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

namespace {

const QString answerColumns = QStringLiteral(
    "id, at_ms, player, player_key, computer, screen, mode, title, family, problem, answer, is_right");
const QString visitColumns = QStringLiteral(
    "id, player, player_key, computer, screen, mode, title, family, opened_ms, left_ms");

QString placeholders(const QString& columns)
{
    QStringList marks;
    for (int i = 0, n = int(columns.count(QLatin1Char(','))) + 1; i < n; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

// The settings key of the last row of this computer's copy of `table`
// that went into the queue for the server.
QString queuedMark(const QString& table)
{
    return QStringLiteral("queued_%1_rowid").arg(table);
}

QString idText(const QUuid& id)
{
    return (id.isNull() ? QUuid::createUuid() : id).toString(QUuid::WithoutBraces);
}

// A text never goes to the database as NULL: an empty text is a text.
QString t(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

QVariantList valuesOf(const AnswerRecord& a)
{
    const QDateTime at = a.at.isValid() ? a.at : QDateTime::currentDateTimeUtc();
    return {idText(a.id), at.toMSecsSinceEpoch(), t(a.player), playerKey(t(a.player)), t(a.computer),
            t(a.screen), a.mode, t(a.title), t(a.family), t(a.problem), t(a.answer), a.right ? 1 : 0};
}

QVariantList valuesOf(const VisitRecord& v)
{
    return {idText(v.id), t(v.player), playerKey(t(v.player)), t(v.computer), t(v.screen), v.mode, t(v.title),
            t(v.family), v.opened.toMSecsSinceEpoch(), v.left.toMSecsSinceEpoch()};
}

} // namespace

ResultsWriter::ResultsWriter(Setup setup, WriterState& state)
    : setup_(std::move(setup)), state_(state),
      localName_(setup_.connectionPrefix +
                 (setup_.role == Setup::Role::Sends ? QStringLiteral("-sender") : QStringLiteral("-writer"))),
      serverName_(localName_ + QStringLiteral("-server"))
{
}

ResultsWriter::~ResultsWriter()
{
    close();
}

void ResultsWriter::open()
{
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    connect(retry_, &QTimer::timeout, this, [this] { sendPending(true); });
    heldRetry_ = new QTimer(this);
    heldRetry_->setSingleShot(true);
    connect(heldRetry_, &QTimer::timeout, this, [this] { writeHeld(); });
    if (!openFile()) {
        if (setup_.role == Setup::Role::Writes)
            holdLater();
        else
            retry_->start(setup_.retryMinMs);
        return;
    }
    announce();
    enqueueUnsent();
    if (setup_.server && setup_.role == Setup::Role::Sends) {
        countPending();
        sendPending(true);
    }
}

bool ResultsWriter::openFile()
{
    // Unless told otherwise, the user-interface thread has checked and
    // migrated the file already.
    const FileCheck check = setup_.opensFile ? FileCheck(setup_.openCheck) : FileCheck::None;
    const LocalOpening local = openLocalDatabase(localName_, setup_.localPath, check, setup_.busyMs);
    localOpen_ = local.ok;
    if (!localOpen_) {
        state_.heldTrouble = int(local.trouble);
        // The store has said so of the first try at the start.
        if (heldWhy_.isEmpty() && !setup_.opensFile)
            qWarning("results: %s cannot be opened now, answers wait in memory and it is tried again: %s",
                     qPrintable(setup_.localPath), qPrintable(local.error));
        heldWhy_ = local.error;
        return false;
    }
    movedAsideTo_ = local.movedAsideTo;
    return true;
}

// Said once the file is open and what waited for it is written (or tried).
void ResultsWriter::announce()
{
    if (setup_.opensFile && localOpen_ && !announced_) {
        announced_ = true;
        emit fileOpened(movedAsideTo_);
    }
}

// One record into this computer's file. With a server it goes into this
// computer's copy and the queue, and the mark of what the queue has had
// moves with it (see enqueueUnsent()); a caller with more than one table
// runs it in a transaction.
bool ResultsWriter::insert(QSqlDatabase& db, const Held& h, QSqlError* error)
{
    QSqlQuery q(db);
    for (const QString& table : h.tables) {
        q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (id) DO NOTHING")
                      .arg(table, h.columns, placeholders(h.columns)));
        for (const QVariant& v : h.values)
            q.addBindValue(v);
        if (!q.exec()) {
            *error = q.lastError();
            return false;
        }
    }
    if (h.tables.size() > 1
        && !q.exec(QStringLiteral("INSERT INTO settings (key, value) VALUES ('%1', (SELECT max(rowid) FROM %2)) "
                                  "ON CONFLICT (key) DO UPDATE SET value = excluded.value")
                       .arg(queuedMark(h.tables.front()), h.tables.front()))) {
        *error = q.lastError();
        return false;
    }
    return true;
}

bool ResultsWriter::writeLocal(const QStringList& tables, const QVariantList& values, const QString& columns,
                               bool answer)
{
    Held record{tables, columns, values, answer};
    // What waits is written first: the order of the answers is kept.
    if (!localOpen_ || !held_.isEmpty()) {
        hold(std::move(record), 0, heldWhy_);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(localName_, false);
    const bool several = tables.size() > 1;
    QSqlError error;
    bool ok = !several || db.transaction();
    if (!ok)
        error = db.lastError();
    ok = ok && insert(db, record, &error);
    if (ok && several && !db.commit()) {
        error = db.lastError();
        ok = false;
    }
    if (!ok) {
        if (several)
            db.rollback();
        hold(std::move(record), int(troubleOf(error)), error.text());
        return false;
    }
    ++state_.written;
    return true;
}

void ResultsWriter::hold(Held record, int trouble, const QString& why)
{
    if (trouble != 0)
        state_.heldTrouble = trouble;
    if (held_.size() >= setup_.heldLimit) {
        if (state_.lost++ == 0)
            qWarning("results: more than %d records wait in memory, the ones after them are lost",
                     setup_.heldLimit);
        if (record.answer) {
            ++state_.lostAnswers;
            state_.lostTrouble = state_.heldTrouble.load();
        }
        return;
    }
    const bool first = held_.isEmpty();
    if (record.answer)
        ++state_.heldAnswers;
    held_.append(std::move(record));
    if (first) {
        if (localOpen_)
            qWarning("results: %s takes no answers now, they wait in memory and are written when it does: %s",
                     qPrintable(setup_.localPath), qPrintable(why));
        heldWhy_ = why;
        if (!heldRetry_ || !heldRetry_->isActive())
            holdLater();
    }
}

void ResultsWriter::holdLater()
{
    heldWaitMs_ = heldWaitMs_ == 0 ? setup_.retryMinMs : qMin(2 * heldWaitMs_, setup_.retryMaxMs);
    if (heldRetry_)
        heldRetry_->start(heldWaitMs_);
}

void ResultsWriter::writeHeld(bool again)
{
    if (!localOpen_ && !openFile()) {
        if (again)
            holdLater();
        return;
    }
    writeHeldNow(again);
    announce();
    enqueueUnsent();
}

void ResultsWriter::writeHeldNow(bool again)
{
    if (held_.isEmpty()) {
        heldWaitMs_ = 0;
        heldWhy_.clear();
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(localName_, false);
    auto failed = [&](const QSqlError& error) {
        state_.heldTrouble = int(troubleOf(error));
        heldWhy_ = error.text();
        db.rollback();
        if (again)
            holdLater();
    };
    if (!db.transaction())
        return failed(db.lastError());
    qint64 answers = 0;
    for (const Held& h : std::as_const(held_)) {
        QSqlError error;
        if (!insert(db, h, &error))
            return failed(error);
        answers += h.answer ? 1 : 0;
    }
    if (!db.commit())
        return failed(db.lastError());
    const qsizetype n = held_.size();
    state_.written += n;
    state_.heldAnswers -= answers;
    held_.clear();
    heldWaitMs_ = 0;
    heldWhy_.clear();
    qInfo("results: %lld answers that waited in memory are written to %s", qlonglong(answers),
          qPrintable(setup_.localPath));
    if (setup_.server)
        emit this->queued();
}

// With a server: this computer's copy first (its rowid marks what the
// queue has had), then the queue.
QStringList ResultsWriter::tablesFor(const QString& kept, const QString& queue) const
{
    return setup_.server ? QStringList{kept, queue} : QStringList{kept};
}

void ResultsWriter::write(const AnswerRecord& answer)
{
    if (writeLocal(tablesFor(QStringLiteral("answers"), QStringLiteral("pending_answers")), valuesOf(answer),
                   answerColumns, true)
        && setup_.server)
        emit this->queued();
}

void ResultsWriter::write(const VisitRecord& visit)
{
    if (writeLocal(tablesFor(QStringLiteral("visits"), QStringLiteral("pending_visits")), valuesOf(visit),
                   visitColumns, false)
        && setup_.server)
        emit this->queued();
}

// What this computer kept while it had no server to send to (none named,
// or an address that was refused) goes into the queue once one is named
// and works: everything in its copy past the mark of what the queue has
// had. The server stores each once, by its id.
void ResultsWriter::enqueueUnsent()
{
    if (!setup_.server || setup_.role != Setup::Role::Writes || !localOpen_ || caughtUp_)
        return;
    QSqlDatabase db = QSqlDatabase::database(localName_, false);
    if (!db.transaction())
        return;
    QSqlQuery q(db);
    bool ok = true;
    int queued = 0;
    const struct { const char* kept; const char* queue; const QString& columns; } tables[] = {
        {"answers", "pending_answers", answerColumns},
        {"visits", "pending_visits", visitColumns},
    };
    for (const auto& t : tables) {
        const QString kept = QString::fromLatin1(t.kept);
        ok = ok && q.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 WHERE rowid > "
                                         "coalesce((SELECT CAST(value AS INTEGER) FROM settings WHERE key = '%4'), 0) "
                                         "ON CONFLICT (id) DO NOTHING")
                              .arg(QString::fromLatin1(t.queue), t.columns, kept, queuedMark(kept)));
        if (ok)
            queued += q.numRowsAffected();
        ok = ok && q.exec(QStringLiteral("INSERT INTO settings (key, value) VALUES ('%1', "
                                         "(SELECT coalesce(max(rowid), 0) FROM %2)) "
                                         "ON CONFLICT (key) DO UPDATE SET value = excluded.value")
                              .arg(queuedMark(kept), kept));
    }
    if (!ok || !db.commit()) {
        qWarning("results: what this computer kept cannot be put in the queue for %s now: %s",
                 qPrintable(setup_.server->shown()), qPrintable(q.lastError().text()));
        db.rollback();
        return;
    }
    caughtUp_ = true;
    if (queued > 0) {
        qInfo("results: %d answers and visits kept on this computer without a server go to %s", queued,
              qPrintable(setup_.server->shown()));
        emit this->queued();
    }
}

bool ResultsWriter::connectServer()
{
    const QString error = openServerDatabase(serverName_, *setup_.server, setup_.serverTimeoutSeconds);
    if (!error.isEmpty()) {
        serverFailed(error);
        return false;
    }
    serverOpen_ = true;
    QSqlQuery q(QSqlDatabase::database(serverName_, false));
    QStringList names;
    if (q.exec(QStringLiteral("SELECT name FROM players"))) {
        while (q.next())
            names << q.value(0).toString();
        emit serverPlayers(names);
    }
    return true;
}

void ResultsWriter::serverFailed(const QString& error)
{
    if (state_.serverReachable.exchange(false) || waitMs_ == 0)
        qInfo("results: the server %s cannot be reached, answers wait on this computer: %s",
              qPrintable(setup_.server->shown()), qPrintable(error.simplified()));
    closeConnection(serverName_);
    serverOpen_ = false;
    waitMs_ = waitMs_ == 0 ? setup_.retryMinMs : qMin(2 * waitMs_, setup_.retryMaxMs);
    if (retry_)
        retry_->start(waitMs_);
}

bool ResultsWriter::sendTable(const QString& table, const QString& target, const QString& columns, int* sent,
                              QString* serverError)
{
    *sent = 0;
    QSqlDatabase local = QSqlDatabase::database(localName_, false);
    QSqlQuery read(local);
    read.setForwardOnly(true);
    read.prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid LIMIT ?").arg(columns, table));
    read.addBindValue(setup_.batchSize);
    if (!read.exec()) {
        qWarning("results: %s cannot be read: %s", qPrintable(table), qPrintable(read.lastError().text()));
        return false;
    }
    const int width = int(columns.count(QLatin1Char(','))) + 1;
    QList<QVariantList> rows;
    while (read.next()) {
        QVariantList row;
        for (int i = 0; i < width; ++i)
            row << read.value(i);
        rows << row;
    }
    read.finish();
    if (rows.isEmpty())
        return true;

    {
        QSqlDatabase server = QSqlDatabase::database(serverName_, false);
        if (!server.transaction()) {
            *serverError = server.lastError().text();
            return false;
        }
        QSqlQuery insert(server);
        insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (id) DO NOTHING")
                           .arg(target, columns, placeholders(columns)));
        for (const QVariantList& row : rows) {
            for (int i = 0; i < width; ++i)
                insert.bindValue(i, row.at(i));
            if (!insert.exec()) {
                *serverError = insert.lastError().text();
                insert.finish();
                server.rollback();
                return false;
            }
        }
        if (!server.commit()) {
            *serverError = server.lastError().text();
            return false;
        }
    }
    // Only now, with the server holding them, the batch leaves the queue.
    // Should this fail, the batch is sent again and the server skips it.
    local.transaction();
    QSqlQuery drop(local);
    drop.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(table));
    for (const QVariantList& row : rows) {
        drop.bindValue(0, row.at(0));
        drop.exec();
    }
    local.commit();
    *sent = int(rows.size());
    return true;
}

void ResultsWriter::sendQueued()
{
    sendPending();
    if (localOpen_)
        countPending();
}

void ResultsWriter::sendPending(bool force)
{
    if (!setup_.server || setup_.role != Setup::Role::Sends)
        return;
    if (!force && retry_ && retry_->isActive())
        return;
    if (retry_)
        retry_->stop();
    if (!localOpen_ && !openFile()) {
        if (retry_)
            retry_->start(setup_.retryMaxMs);
        return;
    }
    if (!serverOpen_ && !connectServer())
        return;
    for (;;) {
        int answers = 0;
        int visits = 0;
        QString error;
        if (!sendTable(QStringLiteral("pending_answers"), QStringLiteral("answers"), answerColumns, &answers, &error)
            || !sendTable(QStringLiteral("pending_visits"), QStringLiteral("visits"), visitColumns, &visits, &error)) {
            // The queries are gone now, so the connection can be closed.
            if (!error.isEmpty())
                serverFailed(error);
            break;
        }
        if (answers == 0 && visits == 0) {
            if (!state_.serverReachable.exchange(true))
                qInfo("results: sending to %s", qPrintable(setup_.server->shown()));
            waitMs_ = 0;
            break;
        }
    }
    countPending();
}

void ResultsWriter::countPending()
{
    QSqlQuery q(QSqlDatabase::database(localName_, false));
    if (q.exec(QStringLiteral("SELECT (SELECT count(*) FROM pending_answers) + "
                              "(SELECT count(*) FROM pending_visits)"))
        && q.next())
        state_.pending = q.value(0).toLongLong();
}

void ResultsWriter::close()
{
    if (retry_)
        retry_->stop();
    if (heldRetry_)
        heldRetry_->stop();
    // One last try; what the file still does not take is lost, and said so.
    if (!held_.isEmpty())
        writeHeld(false);
    if (!held_.isEmpty()) {
        const qint64 answers = state_.heldAnswers.exchange(0);
        state_.lost += held_.size();
        state_.lostAnswers += answers;
        state_.lostTrouble = state_.heldTrouble.load();
        qWarning("results: %lld answers that waited in memory could not be kept in %s: %s", qlonglong(answers),
                 qPrintable(setup_.localPath), qPrintable(heldWhy_));
        held_.clear();
    }
    closeConnection(serverName_);
    closeConnection(localName_);
    serverOpen_ = false;
    localOpen_ = false;
}
