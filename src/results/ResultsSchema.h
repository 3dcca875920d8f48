// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QSqlDatabase;
class QSqlError;

// The results database's tables, the same on the embedded database of one
// computer (SQLite) and on a classroom server (PostgreSQL), and the steps
// that bring a database of any earlier version to the current one.
//
// Version 1: schema_version, players, answers, visits, settings.
// Version 2: screen mode and title on answers and visits, indexes that
//            cover the summaries and the chart, and (on a computer's own
//            database) the queue of answers and visits still to send to a
//            server.
// Version 3: the summaries per player, family, screen and mode
//            (answer_totals), kept by the database's own triggers.
// Version 4: removed players' tombstones (removed_players): answers and
//            visits of a player made before the removal are refused.
namespace resultsSchema {

enum class Dialect { SQLite, PostgreSQL };

int currentVersion();

// The version of the database's schema; 0 for an empty database, -1 when
// it cannot be read.
int versionOf(QSqlDatabase& db, Dialect dialect);

// Runs every step after the database's version up to `target` (each in a
// transaction that holds the database against other programs migrating at
// the same time). Returns an empty text, or the error that stopped it (and
// the driver's error in `failure`, when given).
QString migrate(QSqlDatabase& db, Dialect dialect, int target = currentVersion(), QSqlError* failure = nullptr);

} // namespace resultsSchema
