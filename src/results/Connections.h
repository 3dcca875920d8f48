// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsConfig.h"
#include "results/ResultsSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// Opening the two kinds of results database. Qt SQL connections belong to
// the thread that opens them: each thread opens its own under its own name
// and closes it with closeConnection().

// Why this computer's file could not be used or written. Only a file that
// fails a check is damaged; a file that another program holds, a full disk
// or a folder that takes no writing say nothing about the file, which is
// left where it is and tried again.
enum class FileTrouble
{
    None,
    Busy,        // another connection or program holds it ("database is locked")
    Full,        // the disk or the file system is full
    ReadOnly,    // the file or its folder cannot be written
    Damaged,     // not a database, not this program's, or pages that do not read
    Other,       // any other error of the system (input/output)
};

// The trouble an error of Qt's SQLite driver stands for, from SQLite's own
// result code.
FileTrouble troubleOf(const QSqlError& error);

struct LocalOpening
{
    bool ok = false;
    QString movedAsideTo;   // a broken file was moved here
    QString error;
    FileTrouble trouble = FileTrouble::None;
};

// How much of a file is checked before it is used.
enum class FileCheck
{
    None,         // another connection has checked it
    Shape,        // a database, and this program's (or empty): quick
    Whole,        // that, and SQLite's quick check, which reads the whole file
};

// Opens the SQLite file at `path` as connection `name`, in WAL mode,
// waiting at most `busyMs` for a file that another connection holds. A file
// that fails the check (FileTrouble::Damaged) is moved aside, never
// deleted, with its -wal and -shm companions, and a new database is started
// in its place; any other trouble leaves the file as it is. The schema is
// brought to the current version.
LocalOpening openLocalDatabase(const QString& name, const QString& path, FileCheck check, int busyMs = 5000);

// The rest of FileCheck::Whole for a file opened with FileCheck::Shape as
// connection `name`: SQLite's quick check. A file that fails it is closed,
// moved aside and started anew as openLocalDatabase does; every other
// connection to it must be closed first. A file held by another program
// cannot be checked now: it is kept, unchecked.
LocalOpening checkWholeLocalDatabase(const QString& name, const QString& path);

// Opens the server as connection `name`, waiting at most `timeoutSeconds`
// for it; the schema is brought to the current version. Returns an empty
// text or the error.
QString openServerDatabase(const QString& name, const ServerAddress& server, int timeoutSeconds);

// Closes and forgets the connection.
void closeConnection(const QString& name);
