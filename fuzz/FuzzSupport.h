// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share.
#include "lang/IniFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

// A folder of the targets' own in memory (/dev/shm where there is one), so
// that a file written per input costs no disk.
inline const QString& memoryFolder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/contalandia-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/contalandia-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

// Comment lines that lift a small input above the section reader's limit,
// so that the line scan reads it.
inline const QByteArray& largeFilePadding()
{
    static const QByteArray padding = QByteArray(ini::SectionReaderLimit, ';') + '\n';
    return padding;
}

// The input as a file's bytes: after the padding when its first byte is
// odd (the line scan), as it is otherwise (the section reader).
inline QByteArray fileBytes(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if ((data[0] & 1) && bytes.size() <= ini::SectionReaderLimit)
        bytes.prepend(largeFilePadding());
    return bytes;
}

[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

} // namespace fuzzing
