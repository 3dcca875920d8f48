// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/ExerciseScreen.h"
#include "exercises/tables/HundredTable.h"

class CellGrid;

// Where the hundred-table screens stand, in design twips: the table at the
// left, and beside it a column of counts, texts, answer box or scroll bar
// and "avanti".
namespace HundredTableLayout {
inline constexpr double DesignWidth = 9180;
inline constexpr double DesignHeight = 6420;
inline constexpr double Column = 6405;
inline constexpr double ColumnWidth = 2535;
} // namespace HundredTableLayout

class QLabel;
class QLineEdit;
class QScrollBar;

// What both hundred-table screens share: the grid of cells Numero(0..99),
// light green, one of them red, numbered by HundredTable.
class HundredTableScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    static const QColor CellColour;
    static const QColor MarkColour;

    CellGrid* grid() const { return grid_; }

protected:
    HundredTableScreen(AppContext& app, const ExerciseRow& row);

    // RiempiTabella: the texts only, never the colours or the enabled state.
    void fillTable(HundredTable::Fill fill);
    // Turns one cell red (-1: none) and every other light green.
    void markCell(int cell);
    // The cells stay square and share their lines at every size.
    void afterRescale() override;

    HundredTable table_;

private:
    void nameCells();

    CellGrid* grid_ = nullptr;
    int marked_ = -1;
};

// Form100Trova2, "trova il numero": the child scrolls the table to the right
// hundred and clicks the cell of the number shown.
class FindNumberScreen : public HundredTableScreen
{
    Q_OBJECT
public:
    FindNumberScreen(AppContext& app, const ExerciseRow& row);

protected:
    void newProblem() override;
    void shown() override;
    // The instruction and the number to find; the number of the cell
    // clicked.
    QString problemShown() const override;
    QString answerGiven() const override;
    std::optional<int> spokenAnswer() const override;

private:
    void chooseFill(HundredTable::Fill fill);
    void cellClicked(int cell);

    FindNumberProblem problem_;
    HundredTable::Fill fill_ = HundredTable::Fill::Edges;
    QScrollBar* scroll_ = nullptr;
    QLabel* number_ = nullptr;
    QLabel* instruction_ = nullptr;
    int clicked_ = -1;
    QAction* easy_ = nullptr;
    QAction* medium_ = nullptr;
};

// Form100Ricon2, "riconosci il numero": one cell of a table the program
// scrolled is red; the child types its number.
class RecogniseNumberScreen : public HundredTableScreen
{
    Q_OBJECT
public:
    RecogniseNumberScreen(AppContext& app, const ExerciseRow& row);

protected:
    void newProblem() override;
    void shown() override;
    // The question, then in brackets the number the red cell stands for,
    // which the child sees only as a place in the table.
    QString problemShown() const override;
    std::optional<int> spokenAnswer() const override;

private:
    void judged(bool right);

    RedCellProblem problem_;
    QLineEdit* answer_ = nullptr;
};
