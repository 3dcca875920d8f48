// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusReadScreen.h"

#include "services/WordAnswer.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"

#include <QLabel>
#include <QLineEdit>

using namespace abacus;

AbacusReadScreen::AbacusReadScreen(AppContext& app, const ExerciseRow& row, ReadVariant variant)
    : AbacusScreen(app, row, readLimits(), shortWires()), variant_(variant)
{
    auto* instruction = place(new QLabel(QString::fromUtf8(variant.instruction)), QStringLiteral("Label3"),
                              at(300, 300, 8820, 500));
    instruction->setFont(designFont(QStringLiteral("Arial"), 14));
    instruction->setAlignment(Qt::AlignCenter);

    answer_ = place(new QLineEdit(), QStringLiteral("TestoNumero"), at(300, 900, 8820, 1000));
    answer_->setFont(designFont(QStringLiteral("Arial"), variant.inWords ? 18 : 28));
    answer_->setAlignment(Qt::AlignCenter);
    // The instruction is the question the box answers.
    spokenNames().answerBox(answer_, instruction);
    if (variant.inWords) {
        // The words of every number in every language fit.
        answer_->setMaxLength(wordAnswer::answerCapacity());
        // Blanks before and after the words do not count, on either side.
        watchAnswerBox(answer_, std::nullopt, true, [this] {
            judged(wordAnswer::isRight(answer_->text(), this->app().state.currentNumber,
                                       this->app().state.wordsLanguage()));
        });
    } else {
        watchAnswer(answer_, std::nullopt, false, AnswerReading::Lenient,
                    [this] { return ExpectedAnswer{static_cast<double>(this->app().state.currentNumber)}; },
                    [this](bool right) { judged(right); });
    }
    setAnswerInputs({answer_});
    speakInstruction(instruction);
    // The words read back once they are right, never before.
    if (variant.inWords)
        speakNumber(answer_, [this]() -> std::optional<int> { return this->app().state.currentNumber; },
                    [this] { return !answer_->isEnabled(); });
}

void AbacusReadScreen::shown()
{
    newProblem();
}

void AbacusReadScreen::newProblem()
{
    randomBackground();
    answer_->clear();
    app().state.currentNumber = static_cast<qint16>(drawNumberToRead(app().random, app().state.maxNumber));
    showNumber(app().state.currentNumber);
    // A box locked after a right answer stays locked until "avanti".
    if (answer_->isEnabled())
        answer_->setFocus();
}

QString AbacusReadScreen::problemShown() const
{
    return questionWithPictured(model().value());
}

void AbacusReadScreen::judged(bool right)
{
    settleAnswer(right, answer_);
}
