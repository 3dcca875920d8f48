// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/abacus/AbacusLayout.h"
#include "exercises/abacus/AbacusModel.h"
#include "exercises/frame/ExerciseScreen.h"

#include <QPointer>
#include <array>

class BeadButton;
class BeadControl;
class FramePlayer;
class LineControl;
class QLabel;
class QLineEdit;
class QPushButton;
class ShapeControl;

// What the twelve abacus screens share: the three wires with their beads
// and the five-bead marker, laid out after every rescale; the bead and
// exchange operations; the blinking of an exchange, played on the clock
// while every abacus input of the screen waits.
class AbacusScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    AbacusScreen(AppContext& app, const ExerciseRow& row, abacus::Limits limits, abacus::AbacusDesign design);

    const abacus::AbacusModel& model() const { return model_; }
    bool exchangePlaying() const;

    // Every abacus screen is designed on the same area, in twips.
    static constexpr double DesignWidth = 12000;
    static constexpr double DesignHeight = 9000;

protected:
    using ExerciseScreen::at;
    static QRect at(const QRectF& designTwips)
    {
        return at(designTwips.x(), designTwips.y(), designTwips.width(), designTwips.height());
    }

    // The model changed at rest: beads and the wires' names follow.
    void beadsChanged();
    void clearAbacus();
    void showNumber(int n);
    void addBead(abacus::Wire w);
    void removeBead(abacus::Wire w);
    // ExchangeUp (addition) or ExchangeDown (subtraction) from the clicked
    // button: a refusal counts a wrong answer with the plain beep, an
    // ignored click does nothing, a done exchange spends the button and
    // blinks.
    void exchangeUp(abacus::Wire source, QPushButton* button);
    void exchangeDown(abacus::Wire source, QPushButton* button);

    // A bead button (left adds, other buttons take off) for a wire.
    BeadButton* placeBeadButton(abacus::Wire w, const QString& name, const QString& caption, QRect designTwips);
    // A plain button.
    QPushButton* placeButton(const QString& name, const QString& caption, QRect designTwips, double points);

    // The inputs an exchange locks while it blinks; their enabled states
    // come back when it ends.
    void setExchangeLocks(QList<QWidget*> inputs);

    // The problem line of the addition and subtraction screens: the label
    // "EtichettaNumero" and the answer box "Text1" right after it, read
    // leniently and compared with expected(); a right answer waits for
    // "avanti", a wrong one is counted.
    struct ProblemLine
    {
        QLabel* problem = nullptr;
        QLineEdit* answer = nullptr;
    };
    ProblemLine makeProblemLine(std::optional<DigitFilter> filter, std::function<double()> expected);
    // A right answer is the problem line's result, else the number posed.
    std::optional<int> spokenAnswer() const override;
    // Writes the problem and lays the line out again: the label as wide as
    // its text, the box right after it (also after every rescale).
    void showProblem(const QString& text);

    // Names a control for screen readers by what it does (a message key).
    void nameButton(QWidget* w, const QString& key);

    void afterRescale() override;

private:
    void showVisibility(const abacus::Visibility& v);
    void nameWires();
    void playExchange(const abacus::Exchange& e, QPushButton* button);
    void finishExchange();
    void placeProblemLine();
    std::function<double()> expected_;   // the problem line's result

    abacus::AbacusModel model_;
    abacus::AbacusDesign design_;
    std::array<LineControl*, abacus::WireCount> wires_{};
    std::array<std::array<BeadControl*, abacus::MaxPlaces>, abacus::WireCount> beads_{};
    LineControl* marker_ = nullptr;
    ShapeControl* base_ = nullptr;
    FramePlayer* player_ = nullptr;

    QList<QPointer<QWidget>> locks_;
    QList<bool> lockedStates_;
    QPointer<QWidget> focusBeforeExchange_;
    ProblemLine line_;
};
