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
    QStringList localOnly;    // only on a computer's own (SQLite) database
    QStringList serverOnly;   // only on a classroom server (PostgreSQL)
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

// Version 3: the results screen's summaries, one row per player, family,
// screen and mode, kept by the database itself as answers come, are renamed
// and go (its triggers), so that programs of any version that write to the
// database keep them right. Reading them no longer reads every answer: over
// 100 000 answers, 1 ms instead of 25.
//
// What the totals hold is what grouping the answers gives: the counts, the
// last answer's time, the greatest title and name. A rename moves every
// answer of a player, so the name of a group that answers joined by a rename
// is the new one.
const QString totalsGroup = QStringLiteral("player_key, family, screen, mode");
const QString totalsColumns = totalsGroup + QStringLiteral(", player, title, answers, right_answers, last_ms");
const QString totalsOfOld = QStringLiteral(
    "player_key = OLD.player_key AND family = OLD.family AND screen = OLD.screen AND mode = OLD.mode");
// An answer leaves its group; the group goes with its last answer.
QStringList totalsLeave()
{
    return {QStringLiteral("UPDATE answer_totals SET answers = answers - 1, "
                           "right_answers = right_answers - OLD.is_right WHERE %1").arg(totalsOfOld),
            QStringLiteral("DELETE FROM answer_totals WHERE %1 AND answers <= 0").arg(totalsOfOld)};
}
// An answer joins its group, made for it if it is the first; `greatest` is
// the dialect's function of the greater of two values, `name` what the
// group's name becomes.
QString totalsJoin(const QString& greatest, const QString& name)
{
    return QStringLiteral(
        "INSERT INTO answer_totals (%1) VALUES (NEW.player_key, NEW.family, NEW.screen, NEW.mode, "
        "NEW.player, NEW.title, 1, NEW.is_right, NEW.at_ms) ON CONFLICT (%2) DO UPDATE SET "
        "player = %3, title = %4(answer_totals.title, excluded.title), answers = answer_totals.answers + 1, "
        "right_answers = answer_totals.right_answers + excluded.right_answers, "
        "last_ms = %4(answer_totals.last_ms, excluded.last_ms)")
        .arg(totalsColumns, totalsGroup, name, greatest);
}
QString sqliteTrigger(const QString& name, const QString& event, const QStringList& body)
{
    return QStringLiteral("CREATE TRIGGER %1 AFTER %2 ON answers BEGIN %3; END")
        .arg(name, event, body.join(QStringLiteral("; ")));
}

// Version 4: a removed player's tombstone. Answers and visits of a player
// made before the player was removed (a computer that was offline sends
// them later) are refused by the database itself; the ones made after it
// start the player afresh.
QString removedCondition(const QString& time)
{
    return QStringLiteral("EXISTS (SELECT 1 FROM removed_players WHERE player_key = NEW.player_key "
                          "AND removed_ms >= NEW.%1)").arg(time);
}
QString sqliteRefusal(const QString& table, const QString& time)
{
    return QStringLiteral("CREATE TRIGGER %1_of_removed BEFORE INSERT ON %1 WHEN %2 BEGIN SELECT RAISE(IGNORE); END")
        .arg(table, removedCondition(time));
}
QString postgresRefusal(const QString& table, const QString& time)
{
    return QStringLiteral("CREATE FUNCTION %1_of_removed() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                          "IF %2 THEN RETURN NULL; END IF; RETURN NEW; END $$")
        .arg(table, removedCondition(time));
}

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
        // 3
        {{QStringLiteral("CREATE TABLE answer_totals (player_key TEXT NOT NULL, family TEXT NOT NULL, "
                         "screen TEXT NOT NULL, mode INTEGER NOT NULL, player TEXT NOT NULL, "
                         "title TEXT NOT NULL, answers BIGINT NOT NULL, right_answers BIGINT NOT NULL, "
                         "last_ms BIGINT NOT NULL, PRIMARY KEY (%1))").arg(totalsGroup),
          QStringLiteral("INSERT INTO answer_totals (%1) SELECT %2, max(player), max(title), count(*), "
                         "sum(is_right), max(at_ms) FROM answers GROUP BY %2").arg(totalsColumns, totalsGroup)},
         {sqliteTrigger(QStringLiteral("answer_totals_insert"), QStringLiteral("INSERT"),
                        {totalsJoin(QStringLiteral("max"), QStringLiteral("max(answer_totals.player, excluded.player)"))}),
          sqliteTrigger(QStringLiteral("answer_totals_delete"), QStringLiteral("DELETE"),
                        totalsLeave()),
          sqliteTrigger(QStringLiteral("answer_totals_rename"), QStringLiteral("UPDATE OF player, player_key"),
                        totalsLeave()
                            << totalsJoin(QStringLiteral("max"), QStringLiteral("excluded.player")))},
         {QStringLiteral("CREATE FUNCTION answer_totals_follow() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                         "IF TG_OP <> 'INSERT' THEN %1; END IF; "
                         "IF TG_OP <> 'DELETE' THEN %2; END IF; "
                         "RETURN NULL; END $$")
              .arg(totalsLeave().join(QStringLiteral("; ")),
                   totalsJoin(QStringLiteral("GREATEST"),
                              QStringLiteral("CASE WHEN TG_OP = 'UPDATE' THEN excluded.player "
                                             "ELSE GREATEST(answer_totals.player, excluded.player) END"))),
          QStringLiteral("CREATE TRIGGER answer_totals_follow AFTER INSERT OR DELETE OR UPDATE OF player, "
                         "player_key ON answers FOR EACH ROW EXECUTE FUNCTION answer_totals_follow()")}},
        // 4
        {{QStringLiteral("CREATE TABLE removed_players (player_key TEXT PRIMARY KEY, removed_ms BIGINT NOT NULL)")},
         {sqliteRefusal(QStringLiteral("answers"), QStringLiteral("at_ms")),
          sqliteRefusal(QStringLiteral("visits"), QStringLiteral("opened_ms"))},
         {postgresRefusal(QStringLiteral("answers"), QStringLiteral("at_ms")),
          QStringLiteral("CREATE TRIGGER answers_of_removed BEFORE INSERT ON answers FOR EACH ROW "
                         "EXECUTE FUNCTION answers_of_removed()"),
          postgresRefusal(QStringLiteral("visits"), QStringLiteral("opened_ms")),
          QStringLiteral("CREATE TRIGGER visits_of_removed BEFORE INSERT ON visits FOR EACH ROW "
                         "EXECUTE FUNCTION visits_of_removed()")}},
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

QString migrate(QSqlDatabase& db, Dialect dialect, int target, QSqlError* failure)
{
    QSqlError unused;
    QSqlError& last = failure ? *failure : unused;
    for (;;) {
        QSqlQuery q(db);
        // Hold the database for the whole step: two programs that start at
        // once on an empty server must not both create the tables.
        const QString begin = dialect == Dialect::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                         : QStringLiteral("BEGIN");
        if (!q.exec(begin)) {
            last = q.lastError();
            return errorOf(q, begin);
        }
        if (dialect == Dialect::PostgreSQL
            && !q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7411603)"))) {
            const QString e = errorOf(q, QStringLiteral("lock"));
            last = q.lastError();
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
        statements += dialect == Dialect::SQLite ? step.localOnly : step.serverOnly;
        statements << QStringLiteral("UPDATE schema_version SET version = %1").arg(version + 1);
        for (const QString& sql : statements) {
            if (!q.exec(sql)) {
                const QString e = errorOf(q, sql);
                last = q.lastError();
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                return e;
            }
        }
        if (!q.exec(QStringLiteral("COMMIT"))) {
            last = q.lastError();
            return errorOf(q, QStringLiteral("COMMIT"));
        }
    }
}

} // namespace resultsSchema
