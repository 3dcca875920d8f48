// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsConfig.h"
#include "results/ResultsSchema.h"

#include <QSqlDatabase>
#include <QString>

// Opening the two kinds of results database. Qt SQL connections belong to
// the thread that opens them: each thread opens its own under its own name
// and closes it with closeConnection().

struct LocalOpening
{
    bool ok = false;
    QString movedAsideTo;   // a broken file was moved here
    QString error;
};

// How much of a file is checked before it is used.
enum class FileCheck
{
    None,         // another connection has checked it
    Shape,        // a database, and this program's (or empty): quick
    Whole,        // that, and SQLite's quick check, which reads the whole file
};

// Opens the SQLite file at `path` as connection `name`, in WAL mode. A file
// that fails the check is moved aside, never deleted, with its -wal and
// -shm companions, and a new database is started in its place; the schema
// is brought to the current version.
LocalOpening openLocalDatabase(const QString& name, const QString& path, FileCheck check);

// The rest of FileCheck::Whole for a file opened with FileCheck::Shape as
// connection `name`: SQLite's quick check. A file that fails it is closed,
// moved aside and started anew as openLocalDatabase does; every other
// connection to it must be closed first.
LocalOpening checkWholeLocalDatabase(const QString& name, const QString& path);

// Opens the server as connection `name`, waiting at most `timeoutSeconds`
// for it; the schema is brought to the current version. Returns an empty
// text or the error.
QString openServerDatabase(const QString& name, const ServerAddress& server, int timeoutSeconds);

// Closes and forgets the connection.
void closeConnection(const QString& name);
