// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>
#include "exercises/frame/ExerciseScreen.h"
#include "exercises/tables/EquationRow.h"
#include "exercises/tables/TableSum.h"

#include <memory>

class CellGrid;

// FormC100, "Costruisci il 100 con la tabella": the first k of the numbers
// 1 to 100 are filled in green; the child types how many are missing.
class TableSumScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    static const QColor FilledColour;
    static const QColor EmptyColour;

    TableSumScreen(AppContext& app, const ExerciseRow& row);

protected:
    void newProblem() override;
    void shown() override;
    void afterRescale() override;
    // The equation as shown, with a question mark for the box.
    QString problemShown() const override;
    std::optional<int> spokenAnswer() const override { return int(std::lround(problem_.expectedAnswer().number)); }

private:
    void showCells(bool solved);
    void judged(bool right);

    TableSumProblem problem_;
    CellGrid* grid_ = nullptr;
    std::unique_ptr<EquationRow> equation_;
};
