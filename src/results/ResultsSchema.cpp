// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace resultsSchema {
namespace {

// The statements of one version. Types are written so that both databases
// read them alike: BIGINT times in milliseconds since 1970 UTC, SMALLINT
// 0 or 1 for right and wrong, TEXT ids.
struct Step
{
    QStringList both;
    QStringList localOnly;   // only on a computer's own (SQLite) database
};

const QString answerColumnsV1 = QStringLiteral(
    "id TEXT PRIMARY KEY, at_ms BIGINT NOT NULL, player TEXT NOT NULL, "
    "player_key TEXT NOT NULL, computer TEXT NOT NULL, screen TEXT NOT NULL, "
    "family TEXT NOT NULL, problem TEXT NOT NULL, answer TEXT NOT NULL, "
    "is_right SMALLINT NOT NULL");
const QString visitColumnsV1 = QStringLiteral(
    "id TEXT PRIMARY KEY, player TEXT NOT NULL, player_key TEXT NOT NULL, "
    "computer TEXT NOT NULL, screen TEXT NOT NULL, family TEXT NOT NULL, "
    "opened_ms BIGINT NOT NULL, left_ms BIGINT NOT NULL");
const QString addedColumnsV2 = QStringLiteral(
    ", mode INTEGER NOT NULL DEFAULT 0, title TEXT NOT NULL DEFAULT ''");

const QList<Step>& steps()
{
    static const QList<Step> all = {
        // 1
        {{QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
          QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
          QStringLiteral("CREATE TABLE players (name_key TEXT PRIMARY KEY, name TEXT NOT NULL, "
                         "created_ms BIGINT NOT NULL)"),
          QStringLiteral("CREATE TABLE answers (%1)").arg(answerColumnsV1),
          QStringLiteral("CREATE TABLE visits (%1)").arg(visitColumnsV1),
          QStringLiteral("CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)")},
         {}},
        // 2
        {{QStringLiteral("ALTER TABLE answers ADD COLUMN mode INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE answers ADD COLUMN title TEXT NOT NULL DEFAULT ''"),
          QStringLiteral("ALTER TABLE visits ADD COLUMN mode INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE visits ADD COLUMN title TEXT NOT NULL DEFAULT ''"),
          // Both cover what the results screen reads, so that its summaries
          // and its chart are read from the indexes alone.
          QStringLiteral("CREATE INDEX answers_summary ON answers "
                         "(player_key, family, screen, mode, is_right, at_ms, player, title)"),
          QStringLiteral("CREATE INDEX answers_by_time ON answers (at_ms, is_right, family, player_key)")},
         {QStringLiteral("CREATE TABLE pending_answers (%1%2)").arg(answerColumnsV1, addedColumnsV2),
          QStringLiteral("CREATE TABLE pending_visits (%1%2)").arg(visitColumnsV1, addedColumnsV2)}},
    };
    return all;
}

bool hasVersionTable(QSqlDatabase& db, Dialect dialect, bool* ok)
{
    QSqlQuery q(db);
    const bool ran = q.exec(dialect == Dialect::SQLite
        ? QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'schema_version'")
        : QStringLiteral("SELECT count(*) FROM pg_catalog.pg_tables "
                         "WHERE schemaname = current_schema() AND tablename = 'schema_version'"));
    *ok = ran && q.next();
    return *ok && q.value(0).toInt() > 0;
}

QString errorOf(const QSqlQuery& q, const QString& sql)
{
    return QStringLiteral("%1: %2").arg(sql, q.lastError().text());
}

} // namespace

int currentVersion()
{
    return int(steps().size());
}

int versionOf(QSqlDatabase& db, Dialect dialect)
{
    bool ok = false;
    if (!hasVersionTable(db, dialect, &ok))
        return ok ? 0 : -1;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

QString migrate(QSqlDatabase& db, Dialect dialect, int target)
{
    for (;;) {
        QSqlQuery q(db);
        // Hold the database for the whole step: two programs that start at
        // once on an empty server must not both create the tables.
        const QString begin = dialect == Dialect::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                         : QStringLiteral("BEGIN");
        if (!q.exec(begin))
            return errorOf(q, begin);
        if (dialect == Dialect::PostgreSQL
            && !q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7411603)"))) {
            const QString e = errorOf(q, QStringLiteral("lock"));
            q.exec(QStringLiteral("ROLLBACK"));
            return e;
        }
        const int version = versionOf(db, dialect);
        if (version < 0 || version >= target) {
            q.exec(QStringLiteral("ROLLBACK"));
            return version < 0 ? QStringLiteral("the schema version cannot be read") : QString();
        }
        const Step& step = steps().at(version);
        QStringList statements = step.both;
        if (dialect == Dialect::SQLite)
            statements += step.localOnly;
        statements << QStringLiteral("UPDATE schema_version SET version = %1").arg(version + 1);
        for (const QString& sql : statements) {
            if (!q.exec(sql)) {
                const QString e = errorOf(q, sql);
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                return e;
            }
        }
        if (!q.exec(QStringLiteral("COMMIT")))
            return errorOf(q, QStringLiteral("COMMIT"));
    }
}

} // namespace resultsSchema
