// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/DigitsToWordsScreen.h"

#include "services/WordAnswer.h"
#include "services/TextForms.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"

#include <QLabel>
#include <QLineEdit>

DigitsToWordsScreen::DigitsToWordsScreen(AppContext& app, const ExerciseRow& row) : ExerciseScreen(app, row)
{
    number_ = place(new QLabel(QStringLiteral("Label3")), QStringLiteral("EtichettaNumero"), at(240, 1680, 7740, 795));
    number_->setFont(designFont(QStringLiteral("Arial"), 27.75));
    number_->setAlignment(Qt::AlignCenter);

    answer_ = place(new QLineEdit(), QStringLiteral("Text1"), at(720, 2640, 6705, 1020));
    answer_->setFont(designFont(QStringLiteral("Arial"), 14.25));
    answer_->setAlignment(Qt::AlignCenter);
    // Longer than the design's 30 characters: the words of some numbers
    // (French 494, many in Albanian) would not fit.
    answer_->setMaxLength(wordAnswer::answerCapacity());
    watchAnswerBox(answer_, std::nullopt, true, [this] { checkWords(); });
    setAnswerInputs({answer_});

    auto* instruction = place(new QLabel(QStringLiteral("scrivi il numero in lettere")), QStringLiteral("Label3"),
                              at(840, 3960, 3555, 330));
    instruction->setFont(designFont(QStringLiteral("Arial"), 12));
    spokenNames().answerBox(answer_, number_, instruction);
    speakInstruction(instruction);
    // The words read back once they are right: never before, they would
    // give the answer away.
    speakNumber(answer_, [this]() -> std::optional<int> { return this->app().state.currentNumber; },
                [this] { return !answer_->isEnabled(); });
}

std::optional<int> DigitsToWordsScreen::spokenAnswer() const
{
    return app().state.currentNumber;
}

void DigitsToWordsScreen::shown()
{
    newProblem();
}

void DigitsToWordsScreen::newProblem()
{
    randomBackground();
    const int n = wordAnswer::draw(app().random, app().state.maxNumber);
    app().state.currentNumber = static_cast<qint16>(n);
    answer_->clear();
    number_->setText(signedText(n));
    answer_->setFocus();
}

void DigitsToWordsScreen::checkWords()
{
    settleAnswer(wordAnswer::isRight(answer_->text(), app().state.currentNumber, app().state.wordsLanguage()),
                 answer_);
}
