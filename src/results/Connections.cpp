// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Connections.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString firstError(QSqlQuery& q, const QString& sql)
{
    return q.exec(sql) ? QString() : q.lastError().text();
}

// SQLite's quick check: every page of the file read.
QString quickCheck(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
        return q.lastError().text();
    if (q.value(0).toString() != QLatin1String("ok"))
        return QStringLiteral("quick check: %1").arg(q.value(0).toString());
    return {};
}

// Whether the file can be read as a database of this program; then the
// settings of every local connection (WAL changes the file, so a file not
// ours is left exactly as it was).
QString checkAndPrepare(QSqlDatabase& db, FileCheck check)
{
    QSqlQuery q(db);
    if (check == FileCheck::Whole) {
        if (const QString e = quickCheck(db); !e.isEmpty())
            return e;
    }
    if (check != FileCheck::None) {
        const int version = resultsSchema::versionOf(db, resultsSchema::Dialect::SQLite);
        if (version < 0)
            return QStringLiteral("the schema version cannot be read");
        if (version == 0) {
            // A database, but not one of ours: only an empty one is taken over.
            if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
                return q.lastError().text();
            if (q.value(0).toInt() > 0)
                return QStringLiteral("not a results database");
            q.finish();
        }
    }
    QString e = firstError(q, QStringLiteral("PRAGMA journal_mode = WAL"));
    if (e.isEmpty())
        e = firstError(q, QStringLiteral("PRAGMA synchronous = NORMAL"));
    return e;
}

bool openSqlite(const QString& name, const QString& path, FileCheck check, QString* error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    *error = checkAndPrepare(db, check);
    return error->isEmpty();
}

// "results.sqlite" -> "results.sqlite.broken-20240501-101500" (with a
// number after it when that name is taken).
QString asideName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = QStringLiteral("%1.broken-%2").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1.broken-%2-%3").arg(path, stamp).arg(n);
    return target;
}

bool moveAside(const QString& path, QString* target)
{
    *target = asideName(path);
    if (!QFile::rename(path, *target))
        return false;
    for (const char* companion : {"-wal", "-shm"}) {
        const QString from = path + QLatin1String(companion);
        if (QFileInfo::exists(from))
            QFile::rename(from, *target + QLatin1String(companion));
    }
    return true;
}

// A file that failed its check (`error`), closed: moved aside, never
// deleted, and a new database started in its place.
LocalOpening startAnew(const QString& name, const QString& path, const QString& error, FileCheck check)
{
    LocalOpening result;
    if (!moveAside(path, &result.movedAsideTo)) {
        result.error = QStringLiteral("%1; it cannot be moved aside").arg(error);
        return result;
    }
    qWarning("results: %s was unusable (%s), moved to %s", qPrintable(path), qPrintable(error),
             qPrintable(result.movedAsideTo));
    const LocalOpening fresh = openLocalDatabase(name, path, check);
    result.ok = fresh.ok;
    result.error = fresh.error;
    return result;
}

} // namespace

LocalOpening openLocalDatabase(const QString& name, const QString& path, FileCheck check)
{
    LocalOpening result;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    const bool existed = QFileInfo::exists(path);
    if (!openSqlite(name, path, check, &error)) {
        closeConnection(name);
        if (check == FileCheck::None || !existed) {
            result.error = error;
            return result;
        }
        return startAnew(name, path, error, check);
    }
    QSqlDatabase db = QSqlDatabase::database(name, false);
    result.error = resultsSchema::migrate(db, resultsSchema::Dialect::SQLite);
    result.ok = result.error.isEmpty();
    return result;
}

LocalOpening checkWholeLocalDatabase(const QString& name, const QString& path)
{
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (!db.isOpen())
            return openLocalDatabase(name, path, FileCheck::Whole);
        error = quickCheck(db);
    }
    if (error.isEmpty())
        return {true, {}, {}};
    closeConnection(name);
    return startAnew(name, path, error, FileCheck::Whole);
}

QString openServerDatabase(const QString& name, const ServerAddress& server, int timeoutSeconds)
{
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (!db.isValid())
        return QStringLiteral("the PostgreSQL driver of Qt is not installed");
    db.close();
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(server.database);
    db.setUserName(server.user);
    // No password here: libpq finds it in ~/.pgpass or PGPASSWORD.
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;keepalives_idle=10;keepalives_interval=5;"
                                            "keepalives_count=3;tcp_user_timeout=15000;application_name=contalandia")
                             .arg(qMax(1, timeoutSeconds)));
    if (!db.open())
        return db.lastError().text();
    return resultsSchema::migrate(db, resultsSchema::Dialect::PostgreSQL);
}

void closeConnection(const QString& name)
{
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
