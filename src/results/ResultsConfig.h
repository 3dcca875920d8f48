// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// Where the results are kept.
//
// By default on this computer: $XDG_DATA_HOME/contalandia/results.sqlite.
// A classroom names one PostgreSQL server for all its computers in the
// [Results] section of contalandia.ini, which an administrator places in
// /etc/contalandia/ (or a user in ~/.config/contalandia/, which then wins):
//
//     [Results]
//     Database=postgresql://user@host:port/dbname
//     Database=postgresql://user@host/dbname?sslmode=verify-full&sslrootcert=/etc/contalandia/ca.crt
//
// The password is never written there: the PostgreSQL client library reads
// it from ~/.pgpass or from its usual environment (PGPASSWORD, PGPASSFILE).

struct ServerAddress
{
    QString user;
    QString host;
    int port = 5432;
    QString database;
    // Encryption, as libpq takes it: "disable", "require", "verify-ca" or
    // "verify-full" (empty: libpq's own default), and the file of the
    // certificate authority that signed the server's certificate.
    QString sslMode;
    QString sslRootCert;
    // The address as written, without any password, for the results screen.
    QString shown() const;
};

// Reads "postgresql://user@host:port/dbname" (also "postgres://"; port and
// user may be left out), with the options "?sslmode=verify-full&sslrootcert=
// /etc/contalandia/school-ca.crt" (an absolute path). A password in the
// address is refused, so that it is never kept in a settings file by
// mistake, and so is any other option, with its name in the error.
std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error = nullptr);

struct ResultsConfig
{
    QString localPath;                    // the SQLite file of this computer
    std::optional<ServerAddress> server;  // a classroom server, if named
    QString problem;                      // a setting that could not be used
    QString settingsFile;                 // the file that named the server
};

// The settings files looked at, in order: later ones win.
QStringList resultsSettingsFiles();
// $XDG_DATA_HOME/contalandia/results.sqlite (~/.local/share/... by default).
QString defaultResultsPath();
ResultsConfig readResultsConfig(const QStringList& settingsFiles = resultsSettingsFiles(),
                                const QString& localPath = defaultResultsPath());
