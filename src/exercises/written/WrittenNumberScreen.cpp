// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/WrittenNumberScreen.h"

#include "exercises/written/WrittenProblems.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <iterator>

namespace {
constexpr double ProblemPoints = 36;
constexpr double SmallestPoints = 12;

// The problem line in its design font, made smaller only when a line does
// not fit across the screen: the longest number words (in French or
// Albanian) are wider than the label on displays of 1024 pixels.
class ProblemLabel : public QLabel
{
public:
    ProblemLabel() : QLabel(QStringLiteral("Label3"))
    {
        setFont(designFont(QStringLiteral("Arial"), ProblemPoints));
        setAlignment(Qt::AlignCenter);
    }
    void showLine(const QString& text)
    {
        setText(text);
        fit();
    }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QLabel::resizeEvent(e);
        fit();
    }

private:
    void fit()
    {
        QFont f = designFont(QStringLiteral("Arial"), ProblemPoints);
        const int room = width() - 2 * margin() - 8;
        // The glyphs' own overhang counts: the first and last letters may
        // reach past their advance.
        const auto needed = [this, &f] {
            const QFontMetrics m(f);
            return std::max(m.horizontalAdvance(text()), m.boundingRect(text()).width());
        };
        if (room > 0 && needed() > room) {
            // In proportion first, then down in small steps: hinted text
            // does not shrink exactly with its size.
            double points = qMax(SmallestPoints, ProblemPoints * room / needed());
            f.setPointSizeF(points);
            while (points > SmallestPoints && needed() > room) {
                points = qMax(SmallestPoints, points - 0.5);
                f.setPointSizeF(points);
            }
        }
        if (f != font())
            setFont(f);
    }
};

// The button of the numbers menu that opens each mode (1..21), with its
// design caption: the results call a mode by that caption, as the current
// language file gives it.
struct ModeButton
{
    const char* name;
    const char* caption;
};
constexpr ModeButton ModeButtons[] = {
    {"Command6", "dalla parola alle cifre"}, {"Command8", "h  da  u"},
    {"Command13", "trova il numero in mezzo"}, {"Command12", "trova il numero successivo"},
    {"Command11", "trova il numero precedente"}, {"Command10", "espressioni"},
    {"Command37", "più 1"}, {"Command14", "più unità"},
    {"Command2", "più 10"}, {"Command15", "più decine"},
    {"Command3", "più 100"}, {"Command16", "più centinaia"},
    {"Command18", "meno decine"}, {"Command17", "meno unità"},
    {"Command5", "meno 10"}, {"Command4", "meno 1"},
    {"Command19", "meno centinaia"}, {"Command26", "meno 100"},
    {"Command20", "+ 1   + 10   + 100"}, {"Command21", "- 1   - 10   - 100"},
    {"Command22", "Costruisci il 100"},
};

QString modeName(LanguageFiles& strings, int mode)
{
    if (mode < 1 || mode > int(std::size(ModeButtons)))
        return QString();
    const ModeButton& b = ModeButtons[mode - 1];
    const auto caption = strings.screenTexts(QStringLiteral("FormMenuNumeri"),
                                             {QLatin1String(b.name) + QStringLiteral(".Caption")});
    const QString text = caption.front() && !caption.front()->trimmed().isEmpty() ? *caption.front()
                                                                                   : QString::fromUtf8(b.caption);
    return text.simplified();
}
} // namespace

WrittenNumberScreen::WrittenNumberScreen(AppContext& app, const ExerciseRow& row)
    : ExerciseScreen(app, row), mode_(row.variant)
{
    setResultsModeName(modeName(app.strings, mode_));
    problem_ = place(new ProblemLabel(), QStringLiteral("EtichettaNumero"), at(360, 1920, 8340, 795));

    answer_ = place(new QLineEdit(), QStringLiteral("Text1"), at(1800, 3120, 3135, 1575));
    answer_->setFont(designFont(QStringLiteral("Arial"), 36));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setMaxLength(4);

    instruction_ = place(new QLabel(QStringLiteral("scrivi il numero in cifre")), QStringLiteral("Label3"),
                         at(1680, 4920, 3210, 495));
    instruction_->setFont(designFont(QStringLiteral("Arial"), 12));
    instruction_->setAlignment(Qt::AlignCenter);
    instruction_->hide();

    // Only the words-to-digits mode offers the choice of the largest number.
    if (auto* max = control<QAction>(QStringLiteral("mnuNumeroMassimo")))
        max->setVisible(false);

    // Every mode asks for a number in digits: the instruction describes the
    // box even where it is not shown.
    spokenNames().answerBox(answer_, problem_, instruction_);
    // The instruction and, in the words-to-digits mode, the number in words
    // can be heard.
    speakInstruction(instruction_);
    speakNumber(problem_, [this]() -> std::optional<int> {
        if (mode_ != 1 || solution_.isEmpty())
            return std::nullopt;
        return this->app().state.currentNumber;
    });
    setAnswerInputs({answer_});
    watchAnswerBox(answer_, DigitFilter::DigitsComma, false, [this] { checkAnswer(); });
}

void WrittenNumberScreen::shown()
{
    newProblem();
}

void WrittenNumberScreen::newProblem()
{
    // The colour is drawn before the problem's own numbers.
    randomBackground();
    answer_->clear();

    const int type = mode_;
    if (type == 1) {
        instruction_->show();
        if (auto* max = control<QAction>(QStringLiteral("mnuNumeroMassimo")))
            max->setVisible(true);
    }

    WrittenSettings settings;
    settings.maxNumber = app().state.maxNumber;
    settings.wordsLanguage = app().state.wordsLanguage();
    settings.strings = [this](const QString& key) { return app().strings.getString(key); };
    const std::optional<WrittenProblem> p = writtenProblem(type, app().random, settings);
    if (!p) {
        // Not a mode of this screen: nothing to answer.
        showLine({});
        solution_.clear();
        answer_->setEnabled(false);
        return;
    }
    showLine(p->caption);
    solution_ = p->solution;
    app().state.currentNumber = p->expected;

    if (answer_->isEnabled())
        answer_->setFocus();
}

void WrittenNumberScreen::showLine(const QString& text)
{
    static_cast<ProblemLabel*>(problem_)->showLine(text);
}

std::optional<int> WrittenNumberScreen::spokenAnswer() const
{
    return app().state.currentNumber;
}

void WrittenNumberScreen::checkAnswer()
{
    const bool right = isRightWrittenAnswer(answer_->text(), app().state.currentNumber);
    settleAnswer(right, answer_);
    if (right)
        showLine(solution_);
}
