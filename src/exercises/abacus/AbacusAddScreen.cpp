// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusAddScreen.h"

#include "exercises/abacus/AbacusTexts.h"
#include "exercises/abacus/BeadButton.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace abacus;

namespace {

const char* const BeadTip = "Click sinistro per inserire le palline, click destro per toglierle.";

} // namespace

AbacusAddScreen::AbacusAddScreen(AppContext& app, const ExerciseRow& row, AddVariant variant)
    : AbacusScreen(app, row, variant.exchanges ? exchangeLimits() : exchangeHiddenLimits(), longWires(variant.touchingColumns)),
      variant_(variant)
{
    const ProblemLine line = makeProblemLine(std::nullopt, [this] { return static_cast<double>(expectedSum_); });
    problem_ = line.problem;
    answer_ = line.answer;

    const std::array<const char*, 3> names = {"Bot_h", "Bot_da", "Bot_u"};
    const std::array<const char*, 3> captions = {"h", "da", "u"};
    const AbacusDesign d = longWires(variant.touchingColumns);
    for (Wire w : AllWires) {
        const int i = indexOf(w);
        beadButtons_[i] = placeBeadButton(w, QString::fromLatin1(names[i]), QString::fromLatin1(captions[i]),
                                          at(d.wireX[i] - 600, 7250, 1200, 700));
        control::setToolTip(beadButtons_[i], QString::fromLatin1(BeadTip));
    }
    exchangeUnits_ = placeButton(QStringLiteral("BottoneCambio"), QStringLiteral("Cambio"), at(exchangePlace(Wire::Tens)), 12);
    exchangeTens_ = placeButton(QStringLiteral("BottoneCambio2"), QStringLiteral("Cambio"), at(exchangePlace(Wire::Hundreds)), 12);
    exchangeUnits_->setVisible(variant.exchanges);
    exchangeTens_->setVisible(variant.exchanges);
    connect(exchangeUnits_, &QPushButton::clicked, this, [this] { exchangeUp(Wire::Units, exchangeUnits_); });
    connect(exchangeTens_, &QPushButton::clicked, this, [this] { exchangeUp(Wire::Tens, exchangeTens_); });

    restart_ = placeButton(QStringLiteral("Bot_ricomincia"), QStringLiteral("Ricomincia"), at(9420, 4200, 2295, 800), 14);
    connect(restart_, &QPushButton::clicked, this, &AbacusAddScreen::restart);

    setAnswerInputs({answer_, restart_});
    for (Wire w : AllWires)
        nameButton(beadButtons_[indexOf(w)], texts::addOrRemoveKey(w));
    nameButton(exchangeUnits_, texts::exchangeUpKey(Wire::Units));
    nameButton(exchangeTens_, texts::exchangeUpKey(Wire::Tens));
    nameButton(restart_, texts::restartKey());
    // The box is named by the problem it answers.
    spokenNames().answerBox(answer_, problem_);
    setExchangeLocks({beadButtons_[0], beadButtons_[1], beadButtons_[2], exchangeUnits_, exchangeTens_, restart_,
                      answer_, nextButton()});
}

void AbacusAddScreen::opened()
{
    // The first problem is posed as the screen opens; showing it only lays
    // the abacus out.
    newProblem();
}

void AbacusAddScreen::newProblem()
{
    answer_->setEnabled(true);
    answer_->clear();
    restart_->setEnabled(true);
    if (nextButton())
        nextButton()->setEnabled(false);
    randomBackground();
    clearAbacus();
    const TwoNumbers p = drawAddition(variant_.kind, app().random);
    expectedSum_ = p.a + p.b;
    exchangeUnits_->setEnabled(true);
    exchangeTens_->setEnabled(true);
    showProblem(additionText(p));
}

void AbacusAddScreen::restart()
{
    answer_->setEnabled(true);
    answer_->clear();
    clearAbacus();
    exchangeUnits_->setEnabled(true);
    exchangeTens_->setEnabled(true);
}
