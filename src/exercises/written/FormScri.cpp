#include "exercises/written/FormScri.h"

#include "exercises/written/WrittenProblems.h"
#include "shell/AppContext.h"
#include "shell/Controls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr double DesignWidth = 9000;
constexpr double DesignHeight = 6000;
} // namespace

FrameSpec FormScri::frameSpec()
{
    FrameSpec spec;
    spec.menu = QStringLiteral("FormMenuNumeri");
    spec.box = FrameSpec::Box::Wide;
    spec.boxAt = QPointF(4800, 120);
    spec.nextAt = QRectF(5520, 3360, 2760, 1335);
    spec.nextShown = FrameSpec::When::AtActivation;
    spec.maxChoice = FrameSpec::MaxChoice::Plain;
    spec.maxCommandName = QStringLiteral("mnuNumeroMassimo");
    spec.maxCommandText = QStringLiteral("Numero Massimo     ");
    spec.seed = FrameSpec::When::AtLoad;
    spec.resetMaxNumber = FrameSpec::When::AtLoad;
    spec.counts = FrameSpec::Counts::Shared;
    return spec;
}

FormScri::FormScri(AppContext& app)
    : ExerciseScreen(app, QStringLiteral("FormScri"), DesignWidth, DesignHeight, frameSpec())
{
    setWindowTitle(QStringLiteral("Scrivi il numero"));

    problem_ = place(new QLabel(QStringLiteral("Label3")), QStringLiteral("EtichettaNumero"), at(360, 1920, 8340, 795));
    problem_->setFont(designFont(QStringLiteral("Arial"), 36));
    problem_->setAlignment(Qt::AlignCenter);

    answer_ = place(new QLineEdit(), QStringLiteral("Text1"), at(1800, 3120, 3135, 1575));
    answer_->setFont(designFont(QStringLiteral("Arial"), 36));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setMaxLength(4);

    instruction_ = place(new QLabel(QStringLiteral("scrivi il numero in cifre")), QStringLiteral("Label3"),
                         at(1680, 4920, 3210, 495));
    instruction_->setFont(designFont(QStringLiteral("Arial"), 12));
    instruction_->hide();

    // Only the words-to-digits mode offers the choice of the largest number.
    if (auto* max = control<QAction>(QStringLiteral("mnuNumeroMassimo")))
        max->setVisible(false);

    setAnswerInputs({answer_});
    watchAnswerBox(answer_, DigitFilter::DigitsComma, false, [this] { checkAnswer(); });
}

void FormScri::shown()
{
    newProblem();
}

void FormScri::newProblem()
{
    // The colour is drawn before the problem's own numbers.
    randomBackground();
    answer_->clear();

    const int type = app().state.exerciseType;
    if (type == 1) {
        instruction_->show();
        if (auto* max = control<QAction>(QStringLiteral("mnuNumeroMassimo")))
            max->setVisible(true);
    }

    WrittenSettings settings;
    settings.maxNumber = app().state.maxNumber;
    settings.numberWordsLanguage = app().state.numberWordsLanguage;
    settings.strings = [this](const QString& key) { return app().strings.getString(key); };
    const std::optional<WrittenProblem> p = writtenProblem(type, app().random, settings);
    if (!p) {
        // Not a mode of this screen: nothing to answer.
        problem_->clear();
        solution_.clear();
        answer_->setEnabled(false);
        return;
    }
    problem_->setText(p->caption);
    solution_ = p->solution;
    app().state.currentNumber = p->expected;

    if (answer_->isEnabled())
        answer_->setFocus();
}

void FormScri::checkAnswer()
{
    if (isRightWrittenAnswer(answer_->text(), app().state.currentNumber)) {
        countRight();
        problem_->setText(solution_);
        awaitNext();
    } else {
        countWrong();
        answer_->setFocus();
    }
}
