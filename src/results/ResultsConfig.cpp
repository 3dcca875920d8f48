// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

QString ServerAddress::shown() const
{
    QString shown = QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
    QStringList options;
    if (!sslMode.isEmpty())
        options << QStringLiteral("sslmode=") + sslMode;
    if (!sslRootCert.isEmpty())
        options << QStringLiteral("sslrootcert=") + sslRootCert;
    if (!options.isEmpty())
        shown += QLatin1Char('?') + options.join(QLatin1Char('&'));
    return shown;
}

std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return std::optional<ServerAddress>();
    };
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql")
                           && url.scheme() != QLatin1String("postgres")))
        return fail(QStringLiteral("not a postgresql:// address"));
    if (!url.password().isEmpty())
        return fail(QStringLiteral("a password does not belong in the settings file; use ~/.pgpass"));
    if (url.host().isEmpty())
        return fail(QStringLiteral("no server named"));
    ServerAddress a;
    a.user = url.userName();
    a.host = url.host();
    a.port = url.port(5432);
    a.database = url.path().mid(1);
    if (a.database.isEmpty() || a.database.contains(QLatin1Char('/')))
        return fail(QStringLiteral("no database named"));
    if (url.hasFragment())
        return fail(QStringLiteral("a fragment (#) after the database name is not read"));
    static const QStringList modes = {QStringLiteral("disable"), QStringLiteral("require"),
                                      QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
    for (const auto& [name, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (name == QLatin1String("sslmode")) {
            if (!modes.contains(value))
                return fail(QStringLiteral("sslmode=%1 is not read: it is one of %2").arg(value, modes.join(u", ")));
            a.sslMode = value;
        } else if (name == QLatin1String("sslrootcert")) {
            // Handed to libpq in quotes: nothing that would end them.
            if (!QDir::isAbsolutePath(value) || value.contains(QLatin1Char('\'')) || value.contains(QLatin1Char('\\'))
                || value.contains(QLatin1Char(';')))
                return fail(QStringLiteral("sslrootcert is read only as an absolute path without ', \\ or ;"));
            a.sslRootCert = value;
        } else {
            return fail(QStringLiteral("the option %1 is not read: only sslmode and sslrootcert are").arg(name));
        }
    }
    return a;
}

QStringList resultsSettingsFiles()
{
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {QStringLiteral("/etc/contalandia/contalandia.ini"),
            QDir(user).filePath(QStringLiteral("contalandia/contalandia.ini"))};
}

QString defaultResultsPath()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("contalandia/results.sqlite"));
}

ResultsConfig readResultsConfig(const QStringList& settingsFiles, const QString& localPath)
{
    ResultsConfig config;
    config.localPath = localPath;
    QString database;
    for (const QString& file : settingsFiles) {
        if (!QFileInfo(file).isReadable())
            continue;
        QSettings ini(file, QSettings::IniFormat);
        const QVariant value = ini.value(QStringLiteral("Results/Database"));
        if (value.isValid()) {
            database = value.toString().trimmed();
            config.settingsFile = file;
        }
    }
    if (database.isEmpty() || database.compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0)
        return config;
    QString why;
    config.server = parseServerAddress(database, &why);
    if (!config.server)
        config.problem = QStringLiteral("%1: [Results] Database: %2").arg(config.settingsFile, why);
    return config;
}
