// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Summaries.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace summaries {

double ease(const SummaryRow& row)
{
    return double(row.right + 1) / double(row.answers + 2);
}

void sortByStruggle(std::vector<SummaryRow>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const SummaryRow& a, const SummaryRow& b) {
        if (const int c = QString::compare(a.player, b.player, Qt::CaseInsensitive); c != 0)
            return c < 0;
        // Compared as fractions, exactly: (ra+1)/(na+2) < (rb+1)/(nb+2).
        const qint64 lhs = (a.right + 1) * (b.answers + 2);
        const qint64 rhs = (b.right + 1) * (a.answers + 2);
        if (lhs != rhs)
            return lhs < rhs;
        if (a.wrong() != b.wrong())
            return a.wrong() > b.wrong();
        auto name = [](const SummaryRow& r) {
            return !r.title.isEmpty() ? r.title : !r.screen.isEmpty() ? r.screen : r.family;
        };
        const QString ta = name(a);
        const QString tb = name(b);
        return QString::compare(ta, tb, Qt::CaseInsensitive) < 0;
    });
}

std::vector<SummaryRow> byFamily(const std::vector<SummaryRow>& screens)
{
    std::map<std::pair<QString, QString>, SummaryRow> sums;
    for (const SummaryRow& s : screens) {
        SummaryRow& f = sums[{s.player.toCaseFolded(), s.family}];
        f.player = s.player;
        f.family = s.family;
        f.answers += s.answers;
        f.right += s.right;
        f.lastMs = std::max(f.lastMs, s.lastMs);
    }
    std::vector<SummaryRow> rows;
    rows.reserve(sums.size());
    for (auto& [key, row] : sums)
        rows.push_back(row);
    sortByStruggle(rows);
    return rows;
}

std::vector<DayCount> everyDay(const std::vector<DayCount>& counted, QDate from, QDate to)
{
    QHash<QDate, DayCount> byDay;
    for (const DayCount& d : counted)
        byDay.insert(d.day, d);
    std::vector<DayCount> days;
    for (QDate d = from; d.isValid() && d <= to; d = d.addDays(1))
        days.push_back(byDay.value(d, DayCount{d, 0, 0}));
    return days;
}

} // namespace summaries
