// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Players.h"

#include "results/ResultRecords.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace players {
namespace {

bool exists(QSqlDatabase& db, const QString& key, bool* ok)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT count(*) FROM players WHERE name_key = ?"));
    q.addBindValue(key);
    *ok = q.exec() && q.next();
    return *ok && q.value(0).toInt() > 0;
}

// Runs the statements, each with the given values, in one transaction.
bool inTransaction(QSqlDatabase& db, const QList<QPair<QString, QVariantList>>& statements)
{
    if (!db.transaction())
        return false;
    for (const auto& [sql, values] : statements) {
        QSqlQuery q(db);
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        if (!q.exec()) {
            qWarning("results: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

QStringList resultTables(bool withQueue)
{
    QStringList t = {QStringLiteral("answers"), QStringLiteral("visits")};
    if (withQueue)
        t << QStringLiteral("pending_answers") << QStringLiteral("pending_visits");
    return t;
}

} // namespace

QString clean(const QString& name)
{
    return name.simplified();
}

Problem check(const QString& name)
{
    if (name.isEmpty())
        return Problem::Empty;
    if (name.size() > maxNameLength)
        return Problem::TooLong;
    const bool plain = std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
    return plain ? Problem::None : Problem::NotPlain;
}

QStringList list(QSqlDatabase& db)
{
    QStringList names;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM players")))
        return names;
    while (q.next())
        names << q.value(0).toString();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

Problem add(QSqlDatabase& db, const QString& name, qint64 nowMs)
{
    const QString n = clean(name);
    if (const Problem p = check(n); p != Problem::None)
        return p;
    bool ok = false;
    if (exists(db, playerKey(n), &ok))
        return Problem::Taken;
    if (!ok)
        return Problem::Database;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO players (name_key, name, created_ms) VALUES (?, ?, ?)"));
    q.addBindValue(playerKey(n));
    q.addBindValue(n);
    q.addBindValue(nowMs);
    if (q.exec())
        return Problem::None;
    // Another computer may have added the same name a moment ago.
    return exists(db, playerKey(n), &ok) ? Problem::Taken : Problem::Database;
}

Problem rename(QSqlDatabase& db, const QString& from, const QString& to, bool withQueue)
{
    const QString n = clean(to);
    if (const Problem p = check(n); p != Problem::None)
        return p;
    const QString oldKey = playerKey(from);
    const QString newKey = playerKey(n);
    bool ok = false;
    if (!exists(db, oldKey, &ok))
        return ok ? Problem::Missing : Problem::Database;
    if (newKey != oldKey && exists(db, newKey, &ok))
        return Problem::Taken;
    QList<QPair<QString, QVariantList>> statements = {
        {QStringLiteral("UPDATE players SET name_key = ?, name = ? WHERE name_key = ?"), {newKey, n, oldKey}}};
    for (const QString& table : resultTables(withQueue))
        statements.append({QStringLiteral("UPDATE %1 SET player_key = ?, player = ? WHERE player_key = ?").arg(table),
                           {newKey, n, oldKey}});
    return inTransaction(db, statements) ? Problem::None : Problem::Database;
}

Problem remove(QSqlDatabase& db, const QString& name, bool withQueue)
{
    const QString key = playerKey(name);
    bool ok = false;
    if (!exists(db, key, &ok))
        return ok ? Problem::Missing : Problem::Database;
    // The tombstone: what another computer made for the player before now
    // and sends later is refused (see the schema's version 4).
    QList<QPair<QString, QVariantList>> statements = {
        {QStringLiteral("DELETE FROM players WHERE name_key = ?"), {key}},
        {QStringLiteral("INSERT INTO removed_players (player_key, removed_ms) VALUES (?, ?) "
                        "ON CONFLICT (player_key) DO UPDATE SET removed_ms = excluded.removed_ms"),
         {key, QDateTime::currentMSecsSinceEpoch()}}};
    for (const QString& table : resultTables(withQueue))
        statements.append({QStringLiteral("DELETE FROM %1 WHERE player_key = ?").arg(table), {key}});
    return inTransaction(db, statements) ? Problem::None : Problem::Database;
}

} // namespace players
