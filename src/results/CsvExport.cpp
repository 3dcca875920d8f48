// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/CsvExport.h"

#include <QIODevice>

CsvWriter::CsvWriter(QIODevice& out) : out_(out)
{
    ok_ = out_.write("\xEF\xBB\xBF") == 3;
}

QString CsvWriter::field(const QString& given)
{
    // A cell that begins like a formula (a player's name "=HYPERLINK(...)",
    // say) would be run by the spreadsheet that opens the export: it is
    // written after an apostrophe, which spreadsheets show as plain text.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const QString text = !given.isEmpty() && formulaStarts.contains(given.front()) ? QLatin1Char('\'') + given : given;
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) || text.trimmed() != text;
    if (!quote)
        return text;
    QString q = text;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

void CsvWriter::row(const QStringList& fields)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields)
        out << field(f);
    const QByteArray line = (out.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
    ok_ = ok_ && out_.write(line) == line.size();
}

QList<QStringList> readCsv(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        any = true;
        if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            ++i;
            row << field;
            rows << row;
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (any || !field.isEmpty() || !row.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}
