// SPDX-License-Identifier: GPL-3.0-or-later
// The fitted table's columns are exactly as wide as Qt's own fitting makes
// them, for texts of every shape, at design and at large sizes.
#include "framework/Controls.h"
#include "framework/FittedTable.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QHeaderView>

namespace {

struct Cell
{
    const char* text;
    bool right = false;
};

void fill(QTableWidget& table, const std::vector<std::vector<Cell>>& rows, const QFont& font)
{
    table.setFont(font);
    table.verticalHeader()->hide();
    table.setColumnCount(int(rows.front().size()));
    table.setHorizontalHeaderLabels({QStringLiteral("Giocatore"), QStringLiteral("Risposte"), QStringLiteral("Ultima")});
    table.setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[size_t(r)].size()); ++c) {
            const Cell& cell = rows[size_t(r)][size_t(c)];
            if (!*cell.text)
                continue;   // no item at all
            auto* item = new QTableWidgetItem(QString::fromUtf8(cell.text));
            if (cell.right)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(r, c, item);
        }
}

TEST(FittedTable, ColumnsAreAsWideAsQtFitsThem)
{
    // Narrow letters many, wide letters few; digits; accents; empty cells;
    // the same text often; a header wider than every cell.
    std::vector<std::vector<Cell>> rows = {
        {{"iiiiiiiiiiii"}, {"7", true}, {"11/12/2026 08:15"}},
        {{"WWWWWW"}, {"1000", true}, {""}},
        {{"Élodie Müller"}, {"11", true}, {"01/01/2027 23:59"}},
        {{""}, {"", true}, {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWW"}},
    };
    for (int i = 0; i < 300; ++i)
        rows.push_back({{"Luca"}, {"42", true}, {"11/12/2026 08:15"}});
    for (const double points : {10.0, 24.0}) {
        SCOPED_TRACE(points);
        const QFont font = designFont(QStringLiteral("Arial"), points, false);
        QTableWidget qt;
        FittedTable fitted;
        fill(qt, rows, font);
        fill(fitted, rows, font);
        // A hidden row counts for neither.
        qt.setRowHidden(3, true);
        fitted.setRowHidden(3, true);
        qt.resizeColumnsToContents();
        fitted.resizeColumnsToContents();
        for (int c = 0; c < qt.columnCount(); ++c)
            EXPECT_EQ(fitted.columnWidth(c), qt.columnWidth(c)) << c;
        EXPECT_GT(fitted.columnWidth(0), fitted.horizontalHeader()->sectionSizeHint(0));

        // An item with a font of its own: that column is measured cell by cell.
        QFont big = font;
        big.setPointSizeF(points * 2);
        qt.item(2, 1)->setFont(big);
        fitted.item(2, 1)->setFont(big);
        qt.resizeColumnsToContents();
        fitted.resizeColumnsToContents();
        EXPECT_EQ(fitted.columnWidth(1), qt.columnWidth(1));
    }
}

} // namespace
