// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusSubtractScreen.h"

#include "exercises/abacus/AbacusTexts.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace abacus;

AbacusSubtractScreen::AbacusSubtractScreen(AppContext& app, const ExerciseRow& row, SubtractVariant variant)
    : AbacusScreen(app, row, variant.exchanges ? exchangeLimits() : exchangeHiddenLimits(), longWires(false)),
      variant_(variant)
{
    const ProblemLine line = makeProblemLine(DigitFilter::DigitsCommaPoint, [this] { return static_cast<double>(expectedDifference_); });
    problem_ = line.problem;
    answer_ = line.answer;

    const std::array<const char*, 3> addNames = {"Bot_h", "Bot_da", "Bot_u"};
    const std::array<const char*, 3> addCaptions = {"+ h", "+ da", "+ u"};
    const std::array<const char*, 3> removeNames = {"Command1", "Command2", "Command3"};
    const std::array<const char*, 3> removeCaptions = {"- h", "- da", "- u"};
    const AbacusDesign d = longWires(false);
    for (Wire w : AllWires) {
        const int i = indexOf(w);
        addButtons_[i] = placeButton(QString::fromLatin1(addNames[i]), QString::fromLatin1(addCaptions[i]),
                                     at(d.wireX[i] - 650, 7150, 1300, 650), 14);
        connect(addButtons_[i], &QPushButton::clicked, this, [this, w] { addBead(w); });
        removeButtons_[i] = placeButton(QString::fromLatin1(removeNames[i]), QString::fromLatin1(removeCaptions[i]),
                                        at(d.wireX[i] - 650, 7900, 1300, 650), 14);
        connect(removeButtons_[i], &QPushButton::clicked, this, [this, w] { removeBead(w); });
    }
    exchangeTens_ = placeButton(QStringLiteral("BottoneCambio"), QStringLiteral("Cambio"), at(exchangePlace(Wire::Tens)), 12);
    exchangeHundreds_ = placeButton(QStringLiteral("BottoneCambio2"), QStringLiteral("Cambio"), at(exchangePlace(Wire::Hundreds)), 12);
    exchangeTens_->setVisible(variant.exchanges);
    exchangeHundreds_->setVisible(variant.exchanges);
    connect(exchangeTens_, &QPushButton::clicked, this, [this] { exchangeDown(Wire::Tens, exchangeTens_); });
    connect(exchangeHundreds_, &QPushButton::clicked, this, [this] { exchangeDown(Wire::Hundreds, exchangeHundreds_); });

    restart_ = placeButton(QStringLiteral("Bot_ricomincia"), QStringLiteral("Ricomincia"), at(9420, 4200, 2295, 800), 14);
    connect(restart_, &QPushButton::clicked, this, &AbacusSubtractScreen::restart);

    setAnswerInputs({answer_, restart_});
    QList<QWidget*> locks{exchangeTens_, exchangeHundreds_, restart_, answer_, nextButton()};
    for (int i = 0; i < 3; ++i)
        locks << addButtons_[i] << removeButtons_[i];
    setExchangeLocks(locks);
    for (Wire w : AllWires) {
        nameButton(addButtons_[indexOf(w)], texts::addKey(w));
        nameButton(removeButtons_[indexOf(w)], texts::removeKey(w));
    }
    nameButton(exchangeTens_, texts::exchangeDownKey(Wire::Tens));
    nameButton(exchangeHundreds_, texts::exchangeDownKey(Wire::Hundreds));
    nameButton(restart_, texts::restartKey());
    // The box is named by the problem it answers.
    spokenNames().answerBox(answer_, problem_);
}

void AbacusSubtractScreen::shown()
{
    newProblem();
}

void AbacusSubtractScreen::newProblem()
{
    randomBackground();
    if (nextButton())
        nextButton()->setEnabled(false);
    restart_->setEnabled(true);
    answer_->clear();
    clearAbacus();
    const TwoNumbers p = drawSubtraction(variant_.kind, app().random);
    expectedDifference_ = p.a - p.b;
    exchangeTens_->setEnabled(true);
    exchangeHundreds_->setEnabled(true);
    showProblem(subtractionText(p));
    // Without exchanges there is nothing to do on the abacus first: the box
    // is ready for the answer.
    if (!variant_.exchanges) {
        answer_->setEnabled(true);
        answer_->setFocus();
    }
}

void AbacusSubtractScreen::restart()
{
    exchangeTens_->setEnabled(true);
    exchangeHundreds_->setEnabled(true);
    clearAbacus();
}
