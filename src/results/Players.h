// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QSqlDatabase;

// The players a grown-up has named. Names are plain text of at most 40
// characters, unique ignoring case; answers carry the name, so renaming a
// player renames its answers and removing one removes them.
namespace players {

constexpr int maxNameLength = 40;

enum class Problem { None, Empty, TooLong, NotPlain, Taken, Missing, Database };

// Blanks at the ends dropped, runs of blanks inside made one.
QString clean(const QString& name);
// Whether a cleaned name may be a player's name (Taken is not checked).
Problem check(const QString& name);

// Every player, sorted by name ignoring case.
QStringList list(QSqlDatabase& db);
Problem add(QSqlDatabase& db, const QString& name, qint64 nowMs);
// `withQueue`: also the answers and visits still waiting to be sent.
Problem rename(QSqlDatabase& db, const QString& from, const QString& to, bool withQueue);
Problem remove(QSqlDatabase& db, const QString& name, bool withQueue);

} // namespace players
