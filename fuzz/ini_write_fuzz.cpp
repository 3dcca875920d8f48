// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the INI reader and writer as a language or
// settings file, and to the reader of typed answers as text.
#include "lang/IniFile.h"
#include "services/TextForms.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

const QString& folder()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString file = folder() + QStringLiteral("/input.lng");
    writeFile(file, bytes);

    (void)ini::readValue(file, QStringLiteral("Strings"), QStringLiteral("0001"));
    (void)ini::readValue(file, QStringLiteral("FormMenu"), QStringLiteral("Command1.Caption"));
    (void)ini::readValue(file, QStringLiteral("Strings"), QString());

    const QString text = ini::decode(bytes);
    (void)lenientNumber(text);

    // Whatever the file held, a value written must be the one read back,
    // as long as the file stays small enough for the section reader.
    const QString value = QStringLiteral("Fran\u00E7ais");
    if (ini::writeValue(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), value)
        && QFileInfo(file).size() <= ini::SectionReaderLimit
        && ini::readValue(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage")) != value)
        std::abort();
    return 0;
}
