// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/FittedTable.h"

#include <QAbstractItemDelegate>
#include <QFontMetricsF>
#include <QHash>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <map>

namespace {

// How far below the widest advance a text may still make the widest cell:
// the delegate lays the text out in fixed point and rounds up.
constexpr qreal AdvanceSlack = 2;

bool plainText(const QTableWidgetItem* item)
{
    return !item
        || (!item->data(Qt::FontRole).isValid() && !item->data(Qt::DecorationRole).isValid()
            && !item->data(Qt::CheckStateRole).isValid() && !item->text().contains(QLatin1Char('\n')));
}

} // namespace

int FittedTable::sizeHintForColumn(int column) const
{
    if (column < 0 || column >= columnCount())
        return -1;
    ensurePolished();
    // Each distinct text's advance, and the first row that shows it.
    const QFontMetricsF metrics(font());
    QHash<QString, qreal> advances;
    std::map<qreal, int> rowOfAdvance;
    qreal widest = -1;
    for (int r = 0; r < rowCount(); ++r) {
        if (isRowHidden(r))
            continue;
        const QTableWidgetItem* it = item(r, column);
        if (!plainText(it))
            return QTableWidget::sizeHintForColumn(column);
        const QString text = it ? it->text() : QString();
        if (advances.contains(text))
            continue;
        const qreal advance = metrics.horizontalAdvance(text);
        advances.insert(text, advance);
        rowOfAdvance.emplace(advance, r);
        widest = std::max(widest, advance);
    }
    if (widest < 0)
        return QTableWidget::sizeHintForColumn(column);

    // Texts of one advance take one width: the delegate measures one of
    // each among the widest.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int hint = 0;
    for (auto it = rowOfAdvance.lower_bound(widest - AdvanceSlack); it != rowOfAdvance.end(); ++it) {
        const QModelIndex index = model()->index(it->second, column);
        hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return showGrid() ? hint + 1 : hint;
}
