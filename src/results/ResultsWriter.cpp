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
    // The user-interface thread has checked and migrated the file already.
    const LocalOpening local = openLocalDatabase(localName_, setup_.localPath, FileCheck::None);
    localOpen_ = local.ok;
    if (!localOpen_)
        qWarning("results: %s cannot be written: %s", qPrintable(setup_.localPath), qPrintable(local.error));
    if (setup_.server && setup_.role == Setup::Role::Sends) {
        countPending();
        sendPending(true);
    }
}

bool ResultsWriter::writeLocal(const QString& table, const QVariantList& values, const QString& columns)
{
    if (!localOpen_) {
        ++state_.lost;
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(localName_, false));
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (id) DO NOTHING")
                  .arg(table, columns, placeholders(columns)));
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        qWarning("results: %s not written: %s", qPrintable(table), qPrintable(q.lastError().text()));
        ++state_.lost;
        return false;
    }
    ++state_.written;
    return true;
}

void ResultsWriter::write(const AnswerRecord& answer)
{
    const bool toQueue = setup_.server.has_value();
    if (writeLocal(toQueue ? QStringLiteral("pending_answers") : QStringLiteral("answers"),
                   valuesOf(answer), answerColumns)
        && toQueue)
        emit this->queued();
}

void ResultsWriter::write(const VisitRecord& visit)
{
    const bool toQueue = setup_.server.has_value();
    if (writeLocal(toQueue ? QStringLiteral("pending_visits") : QStringLiteral("visits"), valuesOf(visit),
                   visitColumns)
        && toQueue)
        emit this->queued();
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
    if (!setup_.server || !localOpen_ || setup_.role != Setup::Role::Sends)
        return;
    if (!force && retry_ && retry_->isActive())
        return;
    if (retry_)
        retry_->stop();
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
    closeConnection(serverName_);
    closeConnection(localName_);
    serverOpen_ = false;
    localOpen_ = false;
}
