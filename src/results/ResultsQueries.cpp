// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsQueries.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>

namespace resultsQueries {
namespace {

bool run(QSqlQuery& q, QString* error)
{
    if (q.exec())
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

QString whereFor(const QString& key, const QString& more = {})
{
    QStringList conditions;
    if (!key.isEmpty())
        conditions << QStringLiteral("player_key = ?");
    if (!more.isEmpty())
        conditions << more;
    return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

} // namespace

std::vector<SummaryRow> screenSummaries(QSqlDatabase& db, const QString& playerKey, QString* error)
{
    std::vector<SummaryRow> rows;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // The database keeps them as answers come (see the results schema).
    q.prepare(QStringLiteral("SELECT player, family, screen, mode, title, answers, right_answers, last_ms "
                             "FROM answer_totals%1 ORDER BY player_key, family, screen, mode")
                  .arg(whereFor(playerKey)));
    if (!playerKey.isEmpty())
        q.addBindValue(playerKey);
    if (!run(q, error))
        return rows;
    while (q.next()) {
        SummaryRow r;
        r.player = q.value(0).toString();
        r.family = q.value(1).toString();
        r.screen = q.value(2).toString();
        r.mode = q.value(3).toInt();
        r.title = q.value(4).toString();
        r.answers = q.value(5).toLongLong();
        r.right = q.value(6).toLongLong();
        r.lastMs = q.value(7).toLongLong();
        rows.push_back(r);
    }
    return rows;
}

std::vector<DayCount> perDay(QSqlDatabase& db, resultsSchema::Dialect dialect, const QString& playerKey,
                             const QString& family, QDate from, QString* error)
{
    std::vector<DayCount> days;
    // The local day of an answer, as the computer's clock shows it.
    QString day;
    if (dialect == resultsSchema::Dialect::SQLite) {
        day = QStringLiteral("date(at_ms / 1000, 'unixepoch', 'localtime')");
    } else {
        QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
        if (zone.isEmpty() || !QTimeZone(zone.toUtf8()).isValid())
            zone = QStringLiteral("UTC");
        // A zone name is letters, digits, '/', '_', '+' and '-' only.
        zone.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9/_+\\-]")));
        day = QStringLiteral("to_char(to_timestamp(at_ms / 1000.0) AT TIME ZONE '%1', 'YYYY-MM-DD')").arg(zone);
    }
    // Answers of the day before `from` in UTC may still fall on `from` locally.
    const qint64 fromMs = QDateTime(from.addDays(-1), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    QStringList more = {QStringLiteral("at_ms >= ?")};
    if (!family.isEmpty())
        more << QStringLiteral("family = ?");
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 AS d, sum(is_right), count(*) FROM answers%2 GROUP BY d ORDER BY d")
                  .arg(day, whereFor(playerKey, more.join(QStringLiteral(" AND ")))));
    if (!playerKey.isEmpty())
        q.addBindValue(playerKey);
    q.addBindValue(fromMs);
    if (!family.isEmpty())
        q.addBindValue(family);
    if (!run(q, error))
        return days;
    while (q.next()) {
        const QDate d = QDate::fromString(q.value(0).toString(), Qt::ISODate);
        if (!d.isValid() || d < from)
            continue;
        const qint64 right = q.value(1).toLongLong();
        days.push_back({d, right, q.value(2).toLongLong() - right});
    }
    return days;
}

bool eachAnswer(QSqlDatabase& db, const QString& playerKey,
                const std::function<void(const AnswerRecord&)>& take, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, at_ms, player, computer, screen, mode, title, family, problem, "
                             "answer, is_right FROM answers%1 ORDER BY at_ms, id")
                  .arg(whereFor(playerKey)));
    if (!playerKey.isEmpty())
        q.addBindValue(playerKey);
    if (!run(q, error))
        return false;
    AnswerRecord a;
    while (q.next()) {
        a.id = QUuid::fromString(q.value(0).toString());
        a.at = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong(), QTimeZone::utc());
        a.player = q.value(2).toString();
        a.computer = q.value(3).toString();
        a.screen = q.value(4).toString();
        a.mode = q.value(5).toInt();
        a.title = q.value(6).toString();
        a.family = q.value(7).toString();
        a.problem = q.value(8).toString();
        a.answer = q.value(9).toString();
        a.right = q.value(10).toInt() != 0;
        take(a);
    }
    return true;
}

QStringList playersWithResults(QSqlDatabase& db, QString* error)
{
    QStringList names;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT max(player) FROM answers GROUP BY player_key "
                             "UNION SELECT name FROM players"));
    if (!run(q, error))
        return names;
    while (q.next())
        names << q.value(0).toString();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    names.erase(std::unique(names.begin(), names.end(),
                            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }),
                names.end());
    return names;
}

} // namespace resultsQueries
