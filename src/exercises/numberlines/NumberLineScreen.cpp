// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/numberlines/NumberLineScreen.h"

#include "exercises/numberlines/NumberLineLayout.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/TextSize.h"
#include "services/MessageKeys.h"
#include "services/TextForms.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace L = numberline_layout;

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);
// The lines are drawn on a fixed, quiet background so that red and black
// ticks stand out; these screens do not change colour with each problem.
const QColor Background(235, 245, 255);

} // namespace

NumberLineScreen::NumberLineScreen(AppContext& app, const ExerciseRow& row, Graduation graduation)
    : ExerciseScreen(app, row), line_(graduation)
{
    setBackground(Background);

    line1_ = place(new LineControl(), QStringLiteral("Line1"), QRect());
    control::setComputedLayout(line1_);
    for (int i = 0; i < NumberLine::TickCount; ++i) {
        auto* tick = place(new LineControl(), QStringLiteral("Line2"), QRect(), i);
        control::setComputedLayout(tick);
        ticks_[i] = tick;

        auto* label = place(new QLabel(), QStringLiteral("Label3"), QRect(), i);
        control::setComputedLayout(label);
        label->setFont(designFont(QStringLiteral("Arial"), L::labelPoints(i)));
        textsize::keepOwnFont(label);  // grows in afterRescale()
        label->setAlignment(Qt::AlignCenter);
        label->hide();
        labels_[i] = label;
    }

    const QRectF q = L::QuestionLine;
    question_ = place(new QLabel(), QStringLiteral("EtichettaDomanda"), at(q.left(), q.top(), q.width(), q.height()));
    question_->setFont(designFont(QStringLiteral("Arial"), L::QuestionPoints));
    question_->setAlignment(Qt::AlignCenter);
    question_->setWordWrap(true);
    question_->hide();
    // With large text the question is written above the line: it can be heard.
    speakInstruction(question_);

    const QRectF box = L::AnswerBox;
    answer_ = place(new QLineEdit(), QStringLiteral("Text1"), at(box.left(), box.top(), box.width(), box.height()));
    answer_->setFont(designFont(QStringLiteral("Arial"), L::AnswerPoints));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setMaxLength(L::AnswerMaxLength);
    spokenNames().fixed(answer_, msg::NumberLineAskedTick);
    watchAnswer(
        answer_, DigitFilter::DigitsComma, false, AnswerReading::Lenient,
        [this] { return ExpectedAnswer{double(line_.expected())}; }, [this](bool right) { judged(right); });
}

void NumberLineScreen::shown()
{
    newProblem();
}

void NumberLineScreen::newProblem()
{
    line_.newLine(app().random);
    showLine();
}

void NumberLineScreen::judged(bool right)
{
    if (!right) {
        countWrong();
        return;
    }
    countRight();
    line_.rightAnswer(app().random);
    showLine();
}

QString NumberLineScreen::problemShown() const
{
    QStringList ticks;
    for (int i = 0; i < NumberLine::TickCount; ++i)
        ticks << (line_.labelShown(i)                          ? plainText(line_.tickValue(i))
                  : line_.tick(i) == NumberLine::Tick::Asked ? QStringLiteral("?")
                                                             : QStringLiteral("\u00B7"));
    return ticks.join(QLatin1Char(' '));
}

// Colours, labels and names follow the state of the line; the answer box
// is emptied and takes the focus for the asked tick.
void NumberLineScreen::showLine()
{
    for (int i = 0; i < NumberLine::TickCount; ++i) {
        ticks_[i]->setColour(line_.isRed(i) ? Red : Black);
        const bool shown = line_.labelShown(i);
        labels_[i]->setText(shown ? plainText(line_.tickValue(i)) : QString());
        labels_[i]->setVisible(shown);
    }
    nameControls();
    // Read aloud always; written too where the texts are large.
    question_->setVisible(app().state.largeText);
    if (app().state.largeText)
        question_->setText(app().strings.getString(msg::NumberLineAskedTick));
    answer_->clear();
    answer_->setFocus();
    afterRescale();
}

// The asked tick says it is asked, a numbered or answered one the number it
// stands for, any other that it has no number yet.
void NumberLineScreen::nameControls()
{
    SpokenNames& names = spokenNames();
    names.filled(line1_, msg::NumberLineName,
                 {SpokenNames::Part::text(plainText(line_.tickValue(0))),
                  SpokenNames::Part::text(plainText(line_.tickValue(NumberLine::TickCount - 1)))});
    for (int i = 0; i < NumberLine::TickCount; ++i) {
        LineControl* tick = ticks_[i];
        switch (line_.tick(i)) {
        case NumberLine::Tick::Asked: names.fixed(tick, msg::NumberLineAskedTick); break;
        case NumberLine::Tick::Plain: names.fixed(tick, msg::NumberLinePlainTick); break;
        case NumberLine::Tick::Numbered:
        case NumberLine::Tick::Answered:
            tick->setProperty("text", plainText(line_.tickValue(i)));
            names.showing(tick, msg::NumberLineTickValue);
            break;
        }
    }
}

// Line, ticks and labels are placed by hand: each label is centred under
// its own tick and shrinks to stay clear of its neighbours, so the labels
// are no line of text that a layout could fill.
void NumberLineScreen::afterRescale()
{
    const QPointF f = scale();
    const int thickness = std::max(2, int(std::lround(3 * std::min(f.x(), f.y()) * twips::PerPixel)));
    line1_->setThickness(thickness);
    line1_->setEnds(QLineF(toPixels(L::line().p1()), toPixels(L::line().p2())));
    const double pitch = L::TickPitch * f.x();
    // With large text the asked tick is drawn twice as thick, apart from
    // the red ones already answered.
    const bool large = app().state.largeText;
    for (int i = 0; i < NumberLine::TickCount; ++i) {
        const QLineF t = L::tick(i);
        const bool asked = line_.tick(i) == NumberLine::Tick::Asked;
        ticks_[i]->setThickness(large && asked ? 2 * thickness : thickness);
        ticks_[i]->setEnds(QLineF(toPixels(t.p1()), toPixels(t.p2())));

        QLabel* label = labels_[i];
        if (label->isHidden())
            continue;
        // At the design size, smaller where it would run into its
        // neighbours; larger with large text, as far as the same rule lets.
        auto fitted = [&](double points) {
            QFont f = designFont(QStringLiteral("Arial"), points);
            const double shrink = L::labelShrink(QFontMetricsF(f).horizontalAdvance(label->text()), pitch);
            if (shrink < 1)
                f.setPointSizeF(f.pointSizeF() * shrink);
            return f;
        };
        QFont font = fitted(L::labelPoints(i));
        if (large) {
            const QFont grown = fitted(L::labelPoints(i) * textScale());
            if (grown.pointSizeF() > font.pointSizeF())
                font = grown;
        }
        label->setFont(font);
        const QSize text = QFontMetrics(font).size(Qt::TextSingleLine, label->text()) + QSize(2, 0);
        QPoint top = toPixels(QPointF(L::tickX(i), L::label(i, {}).top()));
        // A larger label stands on the place of the design one's foot, so
        // that it grows upwards, away from its tick.
        if (large) {
            const QFont design = fitted(L::labelPoints(i));
            top.ry() += QFontMetrics(design).height() - text.height();
        }
        label->setGeometry(top.x() - text.width() / 2, top.y(), text.width(), text.height());
    }
}
