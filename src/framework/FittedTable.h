// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTableWidget>

// A table of text items whose columns fit their texts exactly as
// resizeColumnsToContents() fits a QTableWidget's, without measuring every
// cell: Qt asks the item delegate for the size of each cell (a text layout
// each, twenty milliseconds for the results screen's thousand rows). Here
// each distinct text of a column is first measured with the font's advance,
// which costs little, and only the texts within a few pixels of the widest
// go to the delegate, which measures them as Qt does. Every row counts,
// where Qt stops after a thousand.
//
// A column whose items carry a font, a picture or several lines of their own
// is measured cell by cell, as Qt does.
class FittedTable : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;

    int sizeHintForColumn(int column) const override;
};
