// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QIODevice;

// CSV as spreadsheets read it: UTF-8 with a byte-order mark, fields
// separated by commas, a field quoted when it holds a comma, a quote, a
// line break or blanks at its ends (quotes doubled inside), lines ended
// by CR LF. The first line is the header. A field that begins like a
// formula (=, +, -, @, a tab or CR) is written after an apostrophe, so a
// spreadsheet shows it as text instead of running it.
class CsvWriter
{
public:
    explicit CsvWriter(QIODevice& out);
    void row(const QStringList& fields);
    bool ok() const { return ok_; }

    static QString field(const QString& text);

private:
    QIODevice& out_;
    bool ok_ = true;
};

// Reads back what CsvWriter writes (for checking an export).
QList<QStringList> readCsv(const QByteArray& bytes);
