// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/HundredTableScreens.h"

#include "framework/Speakers.h"

#include "framework/AppContext.h"
#include "framework/CellGrid.h"
#include "framework/Controls.h"
#include "framework/SquareGrid.h"
#include "services/MessageKeys.h"
#include "services/TextForms.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>

namespace {

using HundredTableLayout::Column;
using HundredTableLayout::ColumnWidth;

CellGrid::Layout tableLayout()
{
    CellGrid::Layout l;
    l.name = QStringLiteral("Numero");
    l.count = HundredTable::Cells;
    l.perLine = 10;
    l.origin = {120, 120};
    l.cell = {615, 615};
    l.pitch = {600, 600};
    l.font = designFont(QStringLiteral("Arial"), 12);
    return l;
}

QLabel* instruction(const QString& text)
{
    auto* l = new QLabel(text);
    l->setFont(designFont(QStringLiteral("Arial"), 13.5));
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

} // namespace

const QColor HundredTableScreen::CellColour(192, 255, 192);
const QColor HundredTableScreen::MarkColour(255, 0, 0);

HundredTableScreen::HundredTableScreen(AppContext& app, const ExerciseRow& row) : ExerciseScreen(app, row)
{
    grid_ = new CellGrid(*this, tableLayout());
    for (Cell* c : grid_->cells()) {
        c->setText(QStringLiteral("0"));
        c->setFill(CellColour);
    }
    // A cell says its number, or that it is empty, and whether it is the
    // red one; it is named again whenever its text or the red cell changes.
    for (int i = 0; i < grid_->count(); ++i)
        spokenNames().composed(grid_->cell(i), {msg::EmptyCell, msg::MarkedCell}, [this, i](const QStringList& m) {
            const QString shown = grid_->cell(i)->text().trimmed();
            QString name = shown.isEmpty() ? m.value(0) : shown;
            if (i == marked_)
                name += QStringLiteral(", ") + m.value(1);
            return name;
        });
}

void HundredTableScreen::fillTable(HundredTable::Fill fill)
{
    for (int i = 0; i < grid_->count(); ++i)
        grid_->cell(i)->setText(table_.text(i, fill));
    nameCells();
}

void HundredTableScreen::afterRescale()
{
    layOutSquareGrid(*grid_, tableLayout(), scale());
    frameSquareGrid(canvas(), *grid_, app().state.largeText);
}

void HundredTableScreen::markCell(int cell)
{
    marked_ = cell;
    for (int i = 0; i < grid_->count(); ++i)
        grid_->cell(i)->setFill(i == cell ? MarkColour : CellColour);
    nameCells();
}

void HundredTableScreen::nameCells()
{
    for (Cell* c : grid_->cells())
        spokenNames().update(c);
}

// --- Form100Trova2 --------------------------------------------------------

FindNumberScreen::FindNumberScreen(AppContext& app, const ExerciseRow& row) : HundredTableScreen(app, row)
{
    instruction_ = place(instruction(QStringLiteral("clicca sul numero")), QStringLiteral("Label3"),
                         at(Column, 2400, ColumnWidth, 735));

    number_ = place(new QLabel(QStringLiteral("Forma il numero")), QStringLiteral("EtichettaNumero"),
                    at(Column, 3210, ColumnWidth, 1215));
    number_->setFont(designFont(QStringLiteral("Arial"), 24));
    number_->setAlignment(Qt::AlignCenter);
    number_->setWordWrap(true);

    scroll_ = place(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll1"), at(Column, 4530, ColumnWidth, 435));
    scroll_->setRange(0, HundredTable::LastHundred);
    scroll_->setPageStep(1);
    scroll_->setValue(0);
    // The arrow keys move it too, the right arrow to the next hundred.
    scroll_->setFocusPolicy(Qt::StrongFocus);
    scroll_->setInvertedControls(false);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        table_.showHundred(value);
        fillTable(fill_);
    });
    // Wherever the focus is (in the table too), Page Down or + shows the
    // next hundred and Page Up or - the one before, as the bar's arrows do.
    const std::pair<QKeySequence, int> hundredKeys[] = {
        {QKeySequence(Qt::Key_PageDown), 1}, {QKeySequence(Qt::Key_Plus), 1},
        {QKeySequence(Qt::Key_PageUp), -1}, {QKeySequence(Qt::Key_Minus), -1}};
    for (const auto& hundredKey : hundredKeys) {
        const int step = hundredKey.second;
        connect(new QShortcut(hundredKey.first, this), &QShortcut::activated, this,
                [this, step] { scroll_->setValue(scroll_->value() + step); });
    }

    QMenu* tableMenu = addOwnMenu(QStringLiteral("mnuTabella"), QStringLiteral("Tabella"));
    easy_ = addMenuItem(tableMenu, QStringLiteral("mnuFacile"), QStringLiteral("facile"));
    medium_ = addMenuItem(tableMenu, QStringLiteral("mnuMedia"), QStringLiteral("media"));
    easy_->setCheckable(true);
    medium_->setCheckable(true);
    medium_->setChecked(true);
    connect(easy_, &QAction::triggered, this, [this] { chooseFill(HundredTable::Fill::Full); });
    connect(medium_, &QAction::triggered, this, [this] { chooseFill(HundredTable::Fill::Edges); });

    for (Cell* c : grid()->cells())
        c->setClickable(true);
    connect(grid(), &CellGrid::clicked, this, &FindNumberScreen::cellClicked);
    setAnswerInputs({grid()->cells().begin(), grid()->cells().end()});
    spokenNames().fixed(scroll_, msg::HundredScrollBar);
    // The instruction is heard with the number it asks for, as one line.
    speakers().add(instruction_, msg::SpeakInstructionName, [this] {
        return instruction_->text().trimmed() + QLatin1Char(' ') + number_->text().trimmed();
    });
}

void FindNumberScreen::shown()
{
    fillTable(fill_);
    newProblem();
}

void FindNumberScreen::newProblem()
{
    randomBackground();
    problem_ = FindNumberProblem::draw(app().random);
    number_->setText(signedText(problem_.target));
    markCell(-1);
}

void FindNumberScreen::chooseFill(HundredTable::Fill fill)
{
    fill_ = fill;
    easy_->setChecked(fill == HundredTable::Fill::Full);
    medium_->setChecked(fill == HundredTable::Fill::Edges);
    fillTable(fill_);
}

QString FindNumberScreen::problemShown() const
{
    return instruction_->text().trimmed() + QLatin1Char(' ') + number_->text().trimmed();
}

std::optional<int> FindNumberScreen::spokenAnswer() const
{
    if (clicked_ < 0)
        return std::nullopt;
    return table_.value(clicked_);
}

QString FindNumberScreen::answerGiven() const
{
    return clicked_ < 0 ? QString() : QString::number(table_.value(clicked_));
}

void FindNumberScreen::cellClicked(int cell)
{
    clicked_ = cell;
    if (!problem_.isFound(table_, cell)) {
        countWrong();
        return;
    }
    countRight();
    markCell(cell);
    awaitNext();
}

// --- Form100Ricon2 --------------------------------------------------------

RecogniseNumberScreen::RecogniseNumberScreen(AppContext& app, const ExerciseRow& row) : HundredTableScreen(app, row)
{
    QLabel* question = place(instruction(QStringLiteral("quale numero è rosso?")), QStringLiteral("Label3"),
                             at(Column, 2400, ColumnWidth, 735));

    answer_ = place(new QLineEdit(), QStringLiteral("Text1"), at(Column, 3315, ColumnWidth, 1095));
    answer_->setFont(designFont(QStringLiteral("Arial"), 36));
    answer_->setAlignment(Qt::AlignCenter);

    spokenNames().answerBox(answer_, question);
    speakInstruction(question);
    setAnswerInputs({answer_});
    watchAnswer(answer_, DigitFilter::DigitsComma, false, RedCellProblem::Reading,
                [this] { return problem_.expectedAnswer(); }, [this](bool right) { judged(right); });
}

void RecogniseNumberScreen::shown()
{
    newProblem();
}

void RecogniseNumberScreen::newProblem()
{
    randomBackground();
    problem_ = RedCellProblem::draw(app().random);
    markCell(problem_.cell);
    table_.showHundred(problem_.hundred);
    fillTable(HundredTable::Fill::Edges);
    answer_->clear();
    answer_->setFocus();
}

QString RecogniseNumberScreen::problemShown() const
{
    return questionWithPictured(problem_.expected());
}

std::optional<int> RecogniseNumberScreen::spokenAnswer() const
{
    return problem_.expected();
}

void RecogniseNumberScreen::judged(bool right)
{
    if (!right) {
        countWrong();
        return;
    }
    countRight();
    awaitNext();
}
