// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsConfig.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringTokenizer>
#include <QUrl>
#include <QUrlQuery>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A settings file is read only when it is a regular file or a link to one:
// a FIFO would hold the start until someone writes into it, a device (a
// link to /dev/zero) never ends, a socket or a folder cannot be read. Its
// kind is looked at before opening, and the opening itself never waits
// (should it have become a FIFO since): what was opened is looked at again.
// Anything else is left with a line in the log. At most MaxSettingsBytes
// are read: the setting is one line.
constexpr qint64 MaxSettingsBytes = 1 << 20;

const char* kindOf(mode_t mode)
{
    return S_ISFIFO(mode) ? "a FIFO"
           : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
           : S_ISSOCK(mode) ? "a socket"
           : S_ISDIR(mode) ? "a folder"
                            : "not a regular file";
}

std::optional<QByteArray> readRegularFile(const QString& file)
{
    const QByteArray path = QFile::encodeName(file);
    struct stat st = {};
    if (::stat(path.constData(), &st) != 0)
        return std::nullopt;
    if (!S_ISREG(st.st_mode)) {
        qWarning("results: %s is %s and is not read", qPrintable(file), kindOf(st.st_mode));
        return std::nullopt;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        qWarning("results: %s is %s and is not read", qPrintable(file), kindOf(st.st_mode));
        ::close(fd);
        return std::nullopt;
    }
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = f.read(MaxSettingsBytes);
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The value of [Results] Database in a settings file's bytes, read as the
// INI form is read: names are matched as written, blanks around names and
// values do not count, a line that begins with ";" or "#" is a comment, and
// so is the rest of a line from a ";" after an unquoted value; a value in
// double quotes loses them; the last line of the key wins.
std::optional<QString> databaseSetting(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    std::optional<QString> found;
    bool inResults = false;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            inResults = close > 0 && line.sliced(1, close - 1).trimmed() == u"Results";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inResults || equals < 0 || line.first(equals).trimmed() != u"Database")
            continue;
        QStringView value = line.sliced(equals + 1).trimmed();
        if (value.startsWith(u'"')) {
            const qsizetype close = value.indexOf(u'"', 1);
            value = close > 0 ? value.sliced(1, close - 1) : value.sliced(1);
        } else if (const qsizetype comment = value.indexOf(u';'); comment >= 0) {
            value = value.first(comment).trimmed();
        }
        found = value.toString();
    }
    return found;
}

} // namespace

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
        const std::optional<QByteArray> bytes = readRegularFile(file);
        if (!bytes)
            continue;
        if (const std::optional<QString> value = databaseSetting(*bytes)) {
            database = value->trimmed();
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
