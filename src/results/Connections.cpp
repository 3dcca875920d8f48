// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Connections.h"

#include "results/PrivateFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// What went wrong, and why in the driver's words.
struct Failure
{
    QString text;
    FileTrouble trouble = FileTrouble::None;
    bool failed() const { return trouble != FileTrouble::None; }
};

Failure failureOf(const QSqlError& error, const QString& text = {})
{
    FileTrouble t = troubleOf(error);
    if (t == FileTrouble::None)
        t = FileTrouble::Other;
    return {text.isEmpty() ? error.text() : text, t};
}

Failure run(QSqlQuery& q, const QString& sql)
{
    return q.exec(sql) ? Failure{} : failureOf(q.lastError());
}

// SQLite's quick check: every page of the file read.
Failure quickCheck(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
        return failureOf(q.lastError());
    if (q.value(0).toString() != QLatin1String("ok"))
        return {QStringLiteral("quick check: %1").arg(q.value(0).toString()), FileTrouble::Damaged};
    return {};
}

// Whether the file can be read as a database of this program; then the
// settings of every local connection (WAL changes the file, so a file not
// ours is left exactly as it was). `version` is the schema's version.
Failure checkAndPrepare(QSqlDatabase& db, FileCheck check, int* version)
{
    QSqlQuery q(db);
    if (check == FileCheck::Whole) {
        if (const Failure f = quickCheck(db); f.failed())
            return f;
    }
    // Reading the schema tells a file that is no database, or a damaged
    // one, from one that another program holds.
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return failureOf(q.lastError());
    const int objects = q.value(0).toInt();
    q.finish();
    *version = resultsSchema::versionOf(db, resultsSchema::Dialect::SQLite);
    if (*version < 0)
        return {QStringLiteral("the schema version cannot be read"),
                check == FileCheck::None ? FileTrouble::Other : FileTrouble::Damaged};
    // A database, but not one of ours: only an empty one is taken over.
    if (*version == 0 && objects > 0 && check != FileCheck::None)
        return {QStringLiteral("not a results database"), FileTrouble::Damaged};
    Failure f = run(q, QStringLiteral("PRAGMA journal_mode = WAL"));
    if (!f.failed())
        f = run(q, QStringLiteral("PRAGMA synchronous = NORMAL"));
    return f;
}

Failure openSqlite(const QString& name, const QString& path, FileCheck check, int busyMs, int* version)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(qMax(0, busyMs)));
    if (!db.open())
        return failureOf(db.lastError());
    return checkAndPrepare(db, check, version);
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
LocalOpening startAnew(const QString& name, const QString& path, const QString& error, FileCheck check,
                       int busyMs)
{
    LocalOpening result;
    if (!moveAside(path, &result.movedAsideTo)) {
        result.error = QStringLiteral("%1; it cannot be moved aside").arg(error);
        result.movedAsideTo.clear();
        result.trouble = FileTrouble::Damaged;
        return result;
    }
    qWarning("results: %s was unusable (%s), moved to %s", qPrintable(path), qPrintable(error),
             qPrintable(result.movedAsideTo));
    const LocalOpening fresh = openLocalDatabase(name, path, check, busyMs);
    result.ok = fresh.ok;
    result.error = fresh.error;
    result.trouble = fresh.trouble;
    return result;
}

} // namespace

FileTrouble troubleOf(const QSqlError& error)
{
    if (error.type() == QSqlError::NoError)
        return FileTrouble::None;
    bool ok = false;
    // SQLite's primary result code is the low byte of an extended one.
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (!ok)
        return FileTrouble::Other;
    switch (code) {
    case 5:    // SQLITE_BUSY
    case 6:    // SQLITE_LOCKED
        return FileTrouble::Busy;
    case 13:   // SQLITE_FULL
        return FileTrouble::Full;
    case 3:    // SQLITE_PERM
    case 8:    // SQLITE_READONLY
    case 14:   // SQLITE_CANTOPEN
    case 23:   // SQLITE_AUTH
        return FileTrouble::ReadOnly;
    case 11:   // SQLITE_CORRUPT
    case 26:   // SQLITE_NOTADB
        return FileTrouble::Damaged;
    default:
        return FileTrouble::Other;
    }
}

LocalOpening openLocalDatabase(const QString& name, const QString& path, FileCheck check, int busyMs)
{
    LocalOpening result;
    const bool existed = QFileInfo::exists(path);
    // Every answer and the PIN's hash: for the user alone. SQLite gives
    // its -wal and -shm the file's own mode.
    privatefiles::makeFolder(QFileInfo(path).absolutePath());
    privatefiles::makeFile(path);
    for (const char* companion : {"-wal", "-shm"})
        privatefiles::tighten(path + QLatin1String(companion));
    int version = -1;
    const Failure failure = openSqlite(name, path, check, busyMs, &version);
    if (failure.failed()) {
        closeConnection(name);
        // Only a file that fails a check is moved aside: one that is held
        // or cannot be written now is tried again as it is.
        if (check == FileCheck::None || !existed || failure.trouble != FileTrouble::Damaged) {
            result.error = failure.text;
            result.trouble = failure.trouble;
            return result;
        }
        return startAnew(name, path, failure.text, check, busyMs);
    }
    result.ok = true;
    // A file of the current version needs no transaction that holds it.
    if (version < resultsSchema::currentVersion()) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        QSqlError error;
        result.error = resultsSchema::migrate(db, resultsSchema::Dialect::SQLite, resultsSchema::currentVersion(),
                                              &error);
        result.ok = result.error.isEmpty();
        if (!result.ok) {
            result.trouble = troubleOf(error);
            if (result.trouble == FileTrouble::None)
                result.trouble = FileTrouble::Other;
            closeConnection(name);
        }
    }
    return result;
}

LocalOpening checkWholeLocalDatabase(const QString& name, const QString& path)
{
    Failure failure;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (!db.isOpen())
            return openLocalDatabase(name, path, FileCheck::Whole, 0);
        // This runs on the window's thread: a file held elsewhere is not
        // waited for.
        QSqlQuery busy(db);
        const int busyMs = busy.exec(QStringLiteral("PRAGMA busy_timeout")) && busy.next() ? busy.value(0).toInt() : 0;
        busy.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
        failure = quickCheck(db);
        busy.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyMs));
    }
    if (failure.trouble != FileTrouble::Damaged) {
        if (failure.failed())
            qInfo("results: the check of %s waits for another time: %s", qPrintable(path),
                  qPrintable(failure.text));
        return {true, {}, {}, FileTrouble::None};
    }
    closeConnection(name);
    return startAnew(name, path, failure.text, FileCheck::Whole, 0);
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
    QString options = QStringLiteral("connect_timeout=%1;keepalives_idle=10;keepalives_interval=5;"
                                     "keepalives_count=3;tcp_user_timeout=15000;application_name=contalandia")
                          .arg(qMax(1, timeoutSeconds));
    // Both were read with nothing in them that ends a quoted value.
    if (!server.sslMode.isEmpty())
        options += QStringLiteral(";sslmode=%1").arg(server.sslMode);
    if (!server.sslRootCert.isEmpty())
        options += QStringLiteral(";sslrootcert='%1'").arg(server.sslRootCert);
    db.setConnectOptions(options);
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
