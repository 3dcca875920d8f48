// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "lang/IniFile.h"
#include "support/Files.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

namespace langtest {

using testfiles::readBytes;
using testfiles::writeBytes;

// Adds a comment line before the first line so that the file is exactly
// size bytes long; the section reader ignores it, and the line scan never
// matches it.
inline QByteArray paddedTo(const QByteArray& content, qsizetype size)
{
    const qsizetype filler = size - content.size() - 2; // ";" and "\n"
    if (filler < 0)
        return content;
    return ';' + QByteArray(filler, 'x') + '\n' + content;
}

// Big enough for the line scan.
inline QByteArray large(const QByteArray& content)
{
    return paddedTo(content, ini::SectionReaderLimit + 1000);
}

} // namespace langtest
