// SPDX-License-Identifier: GPL-3.0-or-later
// Outside data of the results: the database address of contalandia.ini
// (from the file in a folder in memory, as the program reads it), and the
// CSV export of hostile players' names and answers. The first byte chooses.
// An address taken is a whole one without a password; every field of an
// export reads back as written, a formula's start behind an apostrophe.
#include "FuzzSupport.h"
#include "results/CsvExport.h"
#include "results/ResultsConfig.h"

#include <QBuffer>

namespace {

void address(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QString why;
    if (const auto a = parseServerAddress(text, &why)) {
        if (a->host.isEmpty() || a->database.isEmpty() || a->database.contains(u'/') || a->port < 0 || a->port > 65535)
            fuzzing::fail("an address taken without host, database or port");
    } else if (why.isEmpty()) {
        fuzzing::fail("an address refused without a reason");
    }
    const QString file = fuzzing::memoryFolder() + QStringLiteral("/contalandia.ini");
    fuzzing::writeFile(file, bytes);
    const ResultsConfig config = readResultsConfig({file}, QStringLiteral("/nonexistent/r.sqlite"));
    if (config.server && config.settingsFile != file)
        fuzzing::fail("a server taken from no file");
    if (!config.server && !config.problem.isEmpty() && !config.problem.startsWith(file))
        fuzzing::fail("a problem that names no file");
}

QString written(const QString& field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && formulaStarts.contains(field.front()) ? QLatin1Char('\'') + field : field;
}

void csv(const QByteArray& bytes)
{
    // Fields apart by 0x1F, rows by 0x1E; only texts that UTF-8 carries
    // whole are compared.
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    for (const QString& row : text.split(QChar(0x1E)))
        rows << row.split(QChar(0x1F));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    CsvWriter writer(out);
    writer.row({QStringLiteral("player"), QStringLiteral("problem"), QStringLiteral("answer")});
    for (const QStringList& row : rows)
        writer.row(row);
    if (!writer.ok())
        fuzzing::fail("writing to memory failed");
    const QList<QStringList> back = readCsv(out.data());
    if (back.size() != rows.size() + 1)
        fuzzing::fail("the export reads back with another count of rows");
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (back[r + 1].size() != rows[r].size())
            fuzzing::fail("a row reads back with another count of fields");
        for (qsizetype f = 0; f < rows[r].size(); ++f) {
            const QString expected = written(rows[r][f]);
            if (back[r + 1][f] != expected)
                fuzzing::fail("a field reads back otherwise than written");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 1)
        csv(bytes);
    else
        address(bytes);
    return 0;
}
