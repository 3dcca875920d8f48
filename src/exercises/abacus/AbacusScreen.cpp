// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusScreen.h"

#include "exercises/abacus/AbacusTexts.h"
#include "exercises/abacus/BeadButton.h"
#include "exercises/abacus/BeadControl.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/FramePlayer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace abacus;

namespace {

const char* const BeadArrays[WireCount] = {"pal_h", "pal_da", "pal_u"};

QColor shade(Wire w, int place)
{
    return QColor::fromRgb(beadShade(w, place));
}

} // namespace

AbacusScreen::AbacusScreen(AppContext& app, const ExerciseRow& row, Limits limits, AbacusDesign design)
    : ExerciseScreen(app, row), model_(limits),
      design_(design)
{
    // Drawn first, so that the beads stand in front of them.
    base_ = place(new ShapeControl(ShapeControl::Kind::RoundedRectangle), QStringLiteral("BaseAbaco"), at(0, 0, 0, 0));
    base_->setFill(QColor(150, 95, 45));
    base_->setBorder(QColor(100, 60, 25));
    control::setComputedLayout(base_);
    spokenNames().fixed(base_, texts::baseKey());
    for (int w = 0; w < WireCount; ++w) {
        wires_[w] = place(new LineControl(), QStringLiteral("FiloAbaco"), at(0, 0, 0, 0), w);
        wires_[w]->setColour(QColor(90, 90, 90));
        control::setComputedLayout(wires_[w]);
    }
    marker_ = place(new LineControl(), QStringLiteral("Line1"), at(0, 0, 0, 0));
    marker_->setColour(Qt::black);
    control::setComputedLayout(marker_);
    spokenNames().fixed(marker_, texts::markerKey());
    for (Wire wire : AllWires) {
        const int w = indexOf(wire);
        for (int i = 0; i < model_.capacity(wire); ++i) {
            auto* bead = place(new BeadControl(shade(wire, i)), QString::fromLatin1(BeadArrays[w]), at(0, 0, 0, 0), i);
            control::setComputedLayout(bead);
            bead->hide();
            spokenNames().fixed(bead, texts::beadKey(wire));
            beads_[w][i] = bead;
        }
    }
    player_ = new FramePlayer(app.clock, this);
    nameWires();
}

bool AbacusScreen::exchangePlaying() const
{
    return player_->isPlaying();
}

void AbacusScreen::nameButton(QWidget* w, const QString& key)
{
    if (w)
        spokenNames().fixed(w, key);
}

void AbacusScreen::nameWires()
{
    // "Decine: 12 palline": the count fills the pattern; none and one have
    // patterns of their own, without a number.
    for (Wire wire : AllWires) {
        LineControl* line = wires_[indexOf(wire)];
        const int n = model_.count(wire);
        line->setProperty("text", n > 1 ? QString::number(n) : QString());
        spokenNames().showing(line, texts::wireCountKey(wire, n));
    }
}

void AbacusScreen::showVisibility(const Visibility& v)
{
    for (int w = 0; w < WireCount; ++w)
        for (int i = 0; i < MaxPlaces; ++i)
            if (BeadControl* bead = beads_[w][i])
                bead->setVisible((v[w] >> i) & 1u);
}

void AbacusScreen::beadsChanged()
{
    showVisibility(model_.visibility());
    nameWires();
}

void AbacusScreen::clearAbacus()
{
    model_.clear();
    beadsChanged();
}

void AbacusScreen::showNumber(int n)
{
    model_.showNumber(n);
    beadsChanged();
}

void AbacusScreen::addBead(Wire w)
{
    if (!exchangePlaying() && model_.addBead(w))
        beadsChanged();
}

void AbacusScreen::removeBead(Wire w)
{
    if (!exchangePlaying() && model_.removeBead(w))
        beadsChanged();
}

void AbacusScreen::exchangeUp(Wire source, QPushButton* button)
{
    if (!exchangePlaying())
        playExchange(model_.exchangeUp(source), button);
}

void AbacusScreen::exchangeDown(Wire source, QPushButton* button)
{
    if (!exchangePlaying())
        playExchange(model_.exchangeDown(source), button);
}

void AbacusScreen::playExchange(const Exchange& e, QPushButton* button)
{
    switch (e.result) {
    case ExchangeResult::Ignored:
        return;
    case ExchangeResult::Refused:
        countWrong(WrongSignal::Beep);
        return;
    case ExchangeResult::Done:
        break;
    }
    // Spent for the rest of the problem.
    if (button)
        button->setEnabled(false);
    focusBeforeExchange_ = QApplication::focusWidget();
    lockedStates_.clear();
    for (const QPointer<QWidget>& w : std::as_const(locks_)) {
        lockedStates_.push_back(w && w->isEnabled());
        if (w)
            w->setEnabled(false);
    }
    auto frames = std::make_shared<std::vector<Visibility>>(e.frames);
    player_->play(
        static_cast<int>(frames->size()), FrameSeconds,
        [this, frames](int i) { showVisibility((*frames)[i]); }, [this] { finishExchange(); });
}

void AbacusScreen::finishExchange()
{
    for (int i = 0; i < locks_.size() && i < lockedStates_.size(); ++i)
        if (locks_[i])
            locks_[i]->setEnabled(lockedStates_[i]);
    lockedStates_.clear();
    beadsChanged();
    if (focusBeforeExchange_ && focusBeforeExchange_->isEnabled() && focusBeforeExchange_->isVisible())
        focusBeforeExchange_->setFocus();
}

void AbacusScreen::setExchangeLocks(QList<QWidget*> inputs)
{
    locks_.clear();
    for (QWidget* w : inputs)
        locks_.push_back(w);
}

BeadButton* AbacusScreen::placeBeadButton(Wire w, const QString& name, const QString& caption, QRect designTwips)
{
    auto* b = place(new BeadButton(caption), name, designTwips);
    b->setFont(designFont(QStringLiteral("Arial"), 14));
    connect(b, &BeadButton::beadWanted, this, [this, w](bool add) {
        if (add)
            addBead(w);
        else
            removeBead(w);
    });
    return b;
}

QPushButton* AbacusScreen::placeButton(const QString& name, const QString& caption, QRect designTwips, double points)
{
    auto* b = place(new QPushButton(caption), name, designTwips);
    b->setFont(designFont(QStringLiteral("Arial"), points));
    return b;
}

namespace {
const QRectF ProblemPlace(600, 600, 5400, 1000);
constexpr double AnswerWidth = 2400;
} // namespace

AbacusScreen::ProblemLine AbacusScreen::makeProblemLine(std::optional<DigitFilter> filter,
                                                        std::function<double()> expected)
{
    const QRectF p = ProblemPlace;
    ProblemLine line;
    line.problem = place(new QLabel(QStringLiteral("999 + 999 =")), QStringLiteral("EtichettaNumero"),
                         at(p.x(), p.y(), p.width(), p.height()));
    line.problem->setFont(designFont(QStringLiteral("Arial"), 28));
    control::setComputedLayout(line.problem);
    line.answer = place(new QLineEdit(), QStringLiteral("Text1"), at(p.right(), p.y(), AnswerWidth, p.height()));
    line.answer->setFont(designFont(QStringLiteral("Arial"), 28));
    line.answer->setMaxLength(12);
    control::setComputedLayout(line.answer);
    expected_ = expected;
    watchAnswer(line.answer, filter, false, AnswerReading::Lenient,
                [expected] { return ExpectedAnswer{expected()}; },
                [this](bool right) { settleAnswer(right, nullptr); });
    line_ = line;
    return line;
}

std::optional<int> AbacusScreen::spokenAnswer() const
{
    if (expected_)
        return int(std::lround(expected_()));
    return app().state.currentNumber;
}

void AbacusScreen::showProblem(const QString& text)
{
    line_.problem->setText(text);
    placeProblemLine();
}

// The label as wide as its text, the box right after it at its design width
// for the present scale, both as high as the design line. Placed by hand:
// the line is 1000 twips high, not a whole number of design pixels, and a
// container placed by the scaler would come out a pixel higher or lower than
// the line drawn from twips; the box's width would still be set by hand.
void AbacusScreen::placeProblemLine()
{
    if (!line_.problem)
        return;
    const ProblemLine& line = line_;
    const QRect design = toPixels(ProblemPlace);
    const int width = line.problem->fontMetrics().horizontalAdvance(line.problem->text()) + 4;
    line.problem->setGeometry(design.left(), design.top(), width, design.height());
    const int boxWidth = toPixels(QRectF(0, 0, AnswerWidth, 1)).width();
    line.answer->setGeometry(design.left() + width, design.top(), boxWidth, design.height());
}

void AbacusScreen::afterRescale()
{
    const QPointF f = scale();
    const AbacusGeometry g = layoutAbacus(design_, [f](const QRectF& r) {
        return QRectF(r.x() * f.x(), r.y() * f.y(), r.width() * f.x(), r.height() * f.y());
    });
    const int thickness = std::max(2, static_cast<int>(g.step / 12));
    // With large text, the abacus is outlined in dark, so that no
    // background of the palette swallows a bead, a wire or the base.
    const QColor outline = app().state.largeText ? QColor(25, 25, 25) : QColor();
    base_->setBorder(outline.isValid() ? outline : QColor(100, 60, 25));
    for (int w = 0; w < WireCount; ++w) {
        wires_[w]->setOutline(outline);
        wires_[w]->setThickness(thickness);
        wires_[w]->setEnds(g.wires[w]);
        for (int i = 0; i < MaxPlaces; ++i)
            if (BeadControl* bead = beads_[w][i]) {
                bead->setOutline(outline);
                bead->setGeometry(g.places[w][i].toRect());
            }
    }
    marker_->setThickness(std::max(2, thickness / 2));
    marker_->setEnds(g.marker);

    // The base holds the wires' feet and reaches past the outer beads.
    double left = g.marker.x1();
    double right = g.marker.x2();
    for (int w = 0; w < WireCount; ++w)
        for (int i = 0; i < model_.capacity(static_cast<Wire>(w)); ++i) {
            left = std::min(left, g.places[w][i].left() - g.step / 2);
            right = std::max(right, g.places[w][i].right() + g.step / 2);
        }
    const double foot = g.wires[0].y2();
    base_->setGeometry(QRectF(left, foot, right - left, std::max(4.0, g.step / 2)).toRect());
    placeProblemLine();
}
