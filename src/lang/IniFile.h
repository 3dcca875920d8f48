// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Reading and writing the INI files beside the program (the language files
// and LangSetting.ini).
namespace ini {

// Files up to this size are read section by section; larger ones by a plain
// line scan that ignores sections.
inline constexpr qint64 SectionReaderLimit = 64000;
// The section-aware reader returns at most this many characters.
inline constexpr int MaxValueLength = 511;

// The value of key in section, or nullopt when the read fails (the file is
// missing or unreadable, or a large file's matching line is too short).
// A missing section or key gives the empty text.
std::optional<QString> readValue(const QString& file, const QString& section, const QString& key);

// The values of several keys of one section, each exactly as readValue gives
// it, from one reading of the file.
std::vector<std::optional<QString>> readValues(const QString& file, const QString& section, const QStringList& keys);

// The same reading of a file's bytes held in memory: the section reader up
// to SectionReaderLimit bytes, the line scan above. readValues reads a
// small file through here.
std::vector<std::optional<QString>> readValuesIn(const QByteArray& bytes, const QString& section,
                                                 const QStringList& keys);

// Opens a settings or language file for reading only when it is a regular
// file or a link to one. Anything else (a FIFO, which would block the start
// until someone writes into it, a device, which may never end, a socket, a
// folder) is not opened, with a line in the log (category
// contalandia.language, once per file). Its kind is looked at before
// opening, and the opening itself never waits, should the file be swapped
// for a FIFO in between. False too when the file is missing or unreadable.
bool openRegularFile(const QString& file, QFile& f);

// Creates the file, section and key as needed, or replaces the value; every
// other line stays as it was. A file up to SectionReaderLimit bytes is
// changed where the section reader finds the key; a larger one where the
// line scan does, copied in blocks so that its size costs no memory.
// The new file is written beside the old one and renamed into place, so a
// kill or a power cut at any moment leaves the old content or the new one,
// never less. Never writes in place and never through a link: false, and
// nothing changed, when the folder takes no new file, or when the file is a
// link or anything but a plain file, or cannot be read.
bool writeValue(const QString& file, const QString& section, const QString& key, const QString& value);

// Removes the copies of file that an interrupted writeValue left beside it
// (killed between writing the copy and putting it in place), once they are
// older than the given age, so a write still running elsewhere is spared.
// Returns how many were removed.
int removeWriteLeftovers(const QString& file, int olderThanSeconds = 60);

// Language files are 8-bit text: UTF-8 when the bytes are valid UTF-8 (with
// or without a byte-order mark), Windows-1252 otherwise.
QString decode(const QByteArray& bytes);

} // namespace ini
