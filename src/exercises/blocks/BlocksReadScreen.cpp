// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksReadScreen.h"

#include "exercises/blocks/BlocksView.h"
#include "services/WordAnswer.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "services/NumberWords.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BlocksReadScreen::BlocksReadScreen(AppContext& app, const ExerciseRow& row, BlocksReadVariant variant)
    : ExerciseScreen(app, row), variant_(variant)
{
    const bool words = variant.answer == BlocksReadVariant::Answer::Words;

    view_ = new BlocksView(variant.layout());
    const QRectF b = view_->designBounds();
    place(view_, QStringLiteral("BlocksDrawing"), at(b.x(), b.y(), b.width(), b.height()));
    view_->nameThrough(spokenNames());

    instruction_ = place(new QLabel(variant.instruction), QStringLiteral("Label3"),
                              at(variant.instructionAt.x(), variant.instructionAt.y(),
                                 variant.instructionSize.width(), variant.instructionSize.height()));
    instruction_->setFont(designFont(QStringLiteral("Arial"), 12));

    const QRectF a = variant.answerAt;
    answer_ = place(new QLineEdit(), QStringLiteral("Text1"), at(a.x(), a.y(), a.width(), a.height()));
    answer_->setFont(designFont(QStringLiteral("Arial"), variant.answerPoints));
    answer_->setAlignment(Qt::AlignCenter);
    // The words box takes the longest words of every language (Albanian
    // 666 has 37 letters), more than the design's 30.
    answer_->setMaxLength(words ? wordAnswer::answerCapacity() : 4);
    if (words) {
        watchAnswer(answer_, std::nullopt, true, AnswerReading::Words,
                    [this] {
                        const ProgramState& state = this->app().state;
                        return ExpectedAnswer{double(state.currentNumber), state.wordsLanguage()};
                    },
                    [this](bool right) { judged(right); });
    } else {
        watchAnswer(answer_, DigitFilter::DigitsComma, false, AnswerReading::Lenient,
                    [this] { return ExpectedAnswer{double(this->app().state.currentNumber)}; },
                    [this](bool right) { judged(right); });
    }
    setAnswerInputs({answer_});
    // The box is named by the instruction above it.
    spokenNames().answerBox(answer_, instruction_);
    speakInstruction(instruction_);
    // The words read back once they are right, never before.
    if (words)
        speakNumber(answer_, [this]() -> std::optional<int> { return this->app().state.currentNumber; },
                    [this] { return !answer_->isEnabled(); });
}

QString BlocksReadScreen::problemShown() const
{
    return questionWithPictured(drawing().value());
}

const BlocksDrawing& BlocksReadScreen::drawing() const
{
    return view_->drawing();
}

void BlocksReadScreen::shown()
{
    // The first problem was posed when the frame chose 999.
    answer_->setFocus();
}

void BlocksReadScreen::newProblem()
{
    randomBackground();
    answer_->setEnabled(true);
    if (nextButton())
        nextButton()->setEnabled(false);
    answer_->clear();
    const int n = drawBlocksNumber(app().random, this->app().state.maxNumber);
    this->app().state.currentNumber = static_cast<qint16>(n);
    view_->setDrawing(BlocksDrawing::of(n));
    view_->show();
    answer_->setFocus();
}

std::optional<int> BlocksReadScreen::spokenAnswer() const
{
    return app().state.currentNumber;
}

void BlocksReadScreen::judged(bool right)
{
    settleAnswer(right, answer_);
}

void BlocksReadScreen::hideDrawingForChoice()
{
    view_->hide();
}
