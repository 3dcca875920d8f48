// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/ComparisonScreen.h"

#include "services/TextForms.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A sign alone means little when it is read out: the signs say it in words.
QString signName(int i)
{
    const QString names[] = {msg::GreaterThanName, msg::LessThanName, msg::EqualToName};
    return names[i];
}

} // namespace

ComparisonScreen::ComparisonScreen(AppContext& app, const ExerciseRow& row) : ExerciseScreen(app, row)
{
    const QFont numberFont = designFont(QStringLiteral("Arial"), 36);
    numbers_[0] = place(new QLabel(), QStringLiteral("EtNumero"), at(960, 1920, 2055, 1095), 0);
    numbers_[1] = place(new QLabel(), QStringLiteral("EtNumero"), at(4800, 1920, 2175, 1095), 1);
    for (QLabel* l : numbers_) {
        l->setFont(numberFont);
        l->setAlignment(Qt::AlignCenter);
    }

    sign_ = place(new QLabel(QStringLiteral("Label3")), QStringLiteral("Label3"), at(3120, 1560, 1455, 1815));
    sign_->setFont(designFont(QStringLiteral("Arial"), 72));
    sign_->setAlignment(Qt::AlignCenter);
    sign_->hide();

    const char* captions[] = {">", "<", "="};
    const double lefts[] = {1080, 3270, 5475};
    for (int i = 0; i < 3; ++i) {
        auto* b = place(new QPushButton(QString::fromLatin1(captions[i])), QStringLiteral("Comando"),
                        at(lefts[i], 3480, 1695, 1170), i);
        b->setFont(designFont(QStringLiteral("Arial"), 40));
        connect(b, &QPushButton::clicked, this, [this, i] { chooseRelation(i); });
        spokenNames().fixed(b, signName(i));
        signs_[i] = b;
    }
    setAnswerInputs({signs_[0], signs_[1], signs_[2]});
}

void ComparisonScreen::shown()
{
    newProblem();
}

void ComparisonScreen::newProblem()
{
    sign_->hide();
    problem_ = Comparison::draw(app().random);
    randomBackground();
    numbers_[0]->setText(patternedText(problem_.left));
    numbers_[1]->setText(patternedText(problem_.right));
}

void ComparisonScreen::chooseRelation(int i)
{
    chosen_ = i;
    if (problem_.isRight(i)) {
        countRight();
        awaitNext();
        sign_->setText(signs_[i]->text());
        spokenNames().fixed(sign_, signName(i));
        sign_->show();
    } else {
        countWrong();
    }
}

QString ComparisonScreen::answerGiven() const
{
    return chosen_ >= 0 ? signs_[size_t(chosen_)]->text() : QString();
}

QString ComparisonScreen::problemShown() const
{
    return QStringLiteral("%1 ? %2").arg(numbers_[0]->text().trimmed(), numbers_[1]->text().trimmed());
}
