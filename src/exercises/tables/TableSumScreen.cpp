// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/TableSumScreen.h"

#include "framework/AppContext.h"
#include "framework/CellGrid.h"
#include "framework/SquareGrid.h"
#include "framework/Controls.h"
#include "services/MessageKeys.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double Points = 21.75;

CellGrid::Layout tableLayout()
{
    CellGrid::Layout l;
    l.name = QStringLiteral("Numero");
    l.count = TableSumProblem::Cells;
    l.perLine = 10;
    l.origin = {120, 240};
    l.cell = {735, 735};
    l.pitch = {720, 720};
    l.font = designFont(QStringLiteral("Arial"), Points);
    return l;
}

} // namespace

const QColor TableSumScreen::FilledColour(0, 192, 0);
const QColor TableSumScreen::EmptyColour(255, 255, 192);

TableSumScreen::TableSumScreen(AppContext& app, const ExerciseRow& row) : ExerciseScreen(app, row)
{
    grid_ = new CellGrid(*this, tableLayout());
    for (Cell* c : grid_->cells()) {
        c->setFill(EmptyColour);
        // A cell says its number, or that it is empty.
        spokenNames().composed(c, {msg::EmptyCell},
                               [c](const QStringList& m) { return c->text().isEmpty() ? m.value(0) : c->text(); });
    }

    equation_ = std::make_unique<EquationRow>(*this, QPointF(7680, 4080), 1335, Points);
    setAnswerInputs({equation_->box()});
    watchAnswer(equation_->box(), DigitFilter::DigitsCommaPoint, false, TableSumProblem::Reading,
                [this] { return problem_.expectedAnswer(); }, [this](bool right) { judged(right); });
}

void TableSumScreen::shown()
{
    newProblem();
}

void TableSumScreen::afterRescale()
{
    layOutSquareGrid(*grid_, tableLayout(), scale());
    equation_->layOut();
}

void TableSumScreen::newProblem()
{
    nextButton()->setEnabled(false);
    equation_->box()->setEnabled(true);
    randomBackground();
    problem_ = TableSumProblem::draw(app().random);
    for (int i = 0; i < grid_->count(); ++i)
        grid_->cell(i)->setFill(problem_.filled(i) ? FilledColour : EmptyColour);
    showCells(false);
    equation_->setTexts(problem_.leftText(), TableSumProblem::rightText());
    equation_->box()->clear();
    equation_->box()->setFocus();
}

void TableSumScreen::showCells(bool solved)
{
    for (int i = 0; i < grid_->count(); ++i) {
        Cell* c = grid_->cell(i);
        c->setText(problem_.cellText(i, solved));
        spokenNames().update(c);
    }
}

QString TableSumScreen::problemShown() const
{
    return equation_->question();
}

void TableSumScreen::judged(bool right)
{
    if (!right) {
        countWrong();
        return;
    }
    countRight();
    showCells(true);
    awaitNext();
}
