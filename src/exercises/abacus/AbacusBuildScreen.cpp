// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusBuildScreen.h"

#include "exercises/abacus/AbacusTexts.h"
#include "exercises/abacus/BeadButton.h"
#include "exercises/abacus/ColouredNumber.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/TextSize.h"
#include "services/NumberWords.h"
#include "services/TextForms.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <cmath>

using namespace abacus;

namespace {

const char* const BeadTip = "Click sinistro per inserire le palline, click destro per toglierle.";

// The colours of the hundreds, tens and units beads.
const QColor PartColours[3] = {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255)};

} // namespace

AbacusBuildScreen::AbacusBuildScreen(AppContext& app, const ExerciseRow& row, BuildVariant variant)
    : AbacusScreen(app, row, buildLimits(), shortWires()), variant_(variant)
{
    if (variant.colouredParts) {
        partsBox_ = place(new PictureBox(), QStringLiteral("Picture1"), at(300, 300, 8820, 1700));
        partsBox_->setBackground(Qt::white);
        const char* const designTexts[3] = {"centinaia", "decine", "unità"};
        for (int i = 0; i < 3; ++i) {
            auto* part = place(new QLabel(QString::fromUtf8(designTexts[i])), QStringLiteral("EtichettaNumero"),
                               at(0, 0, 2000, 1700), i, partsBox_);
            part->setFont(designFont(QStringLiteral("Arial"), 24));
            part->setAlignment(Qt::AlignCenter);
            QPalette p = part->palette();
            p.setColor(QPalette::WindowText, PartColours[i]);
            part->setPalette(p);
            control::setComputedLayout(part);
            textsize::keepOwnFont(part);  // sized in placeParts()
            parts_[i] = part;
        }
    } else {
        number_ = place(new QLabel(QStringLiteral("Forma il numero")), QStringLiteral("EtichettaNumero"),
                        at(300, 300, 8820, 1700));
        number_->setFont(designFont(QStringLiteral("Arial"), 22));
        number_->setAlignment(Qt::AlignCenter);
        number_->setWordWrap(true);
        control::fillBackground(number_, Qt::white);
    }

    const std::array<const char*, 3> names = {"Bot_h", "Bot_da", "Bot_u"};
    const std::array<const char*, 3> captions = {"h", "da", "u"};
    const AbacusDesign d = shortWires();
    for (Wire w : AllWires) {
        const int i = indexOf(w);
        BeadButton* b = beadButtons_[i] = placeBeadButton(w, QString::fromLatin1(names[i]), QString::fromLatin1(captions[i]),
                                        at(d.wireX[i] - 600, 7350, 1200, 700));
        control::setToolTip(b, QString::fromLatin1(BeadTip));
    }

    confirm_ = placeButton(QStringLiteral("BottoneConferma"), QStringLiteral("Conferma"), at(9420, 4200, 2295, 800), 14);
    connect(confirm_, &QPushButton::clicked, this, &AbacusBuildScreen::checkAbacus);
    // The number to build, when it is shown in words, can be heard.
    speakNumber(number_ ? static_cast<QWidget*>(number_) : partsBox_,
                [this]() -> std::optional<int> { return this->app().state.currentNumber; },
                [this] { return !showDigits_; });
    restart_ = placeButton(QStringLiteral("Bot_ricomincia"), QStringLiteral("Ricomincia"), at(9420, 5200, 2295, 800), 14);
    connect(restart_, &QPushButton::clicked, this, [this] { clearAbacus(); });
    setAnswerInputs({confirm_, restart_});
    for (Wire w : AllWires)
        nameButton(beadButtons_[indexOf(w)], texts::addOrRemoveKey(w));
    nameButton(confirm_, texts::confirmKey());
    nameButton(restart_, texts::restartKey());

    QMenu* numbers = addOwnMenu(QStringLiteral("MenuNumero"), QStringLiteral("Numeri"));
    words_ = addMenuItem(numbers, QStringLiteral("MenuParole"), QStringLiteral("in parole"));
    digits_ = addMenuItem(numbers, QStringLiteral("MenuCifre"), QStringLiteral("in cifre"));
    words_->setCheckable(true);
    digits_->setCheckable(true);
    words_->setChecked(true);
    connect(words_, &QAction::triggered, this, [this] { chooseDigits(false); });
    connect(digits_, &QAction::triggered, this, [this] { chooseDigits(true); });
}

void AbacusBuildScreen::shown()
{
    newProblem();
}

void AbacusBuildScreen::chooseDigits(bool digits)
{
    // The item already ticked stays ticked and poses nothing new.
    if (digits != showDigits_) {
        showDigits_ = digits;
        newProblem();
    }
    words_->setChecked(!showDigits_);
    digits_->setChecked(showDigits_);
}

void AbacusBuildScreen::newProblem()
{
    randomBackground();
    restart_->setEnabled(true);
    clearAbacus();
    app().state.currentNumber = static_cast<qint16>(drawNumberToBuild(app().random, app().state.maxNumber));
    showTheNumber();
}

void AbacusBuildScreen::showTheNumber()
{
    const int n = app().state.currentNumber;
    if (number_) {
        number_->setFont(designFont(QStringLiteral("Arial"), showDigits_ ? 48 : 22));
        number_->setText(showDigits_ ? signedText(n) : numberInWords(n, app().state.wordsLanguage()));
        return;
    }
    const ColouredNumber c = showDigits_ ? colouredDigits(n) : colouredWords(n);
    const QFont font = designFont(QStringLiteral("Arial"), showDigits_ ? 48 : 24);
    partsPoints_ = font.pointSizeF();
    for (int i = 0; i < 3; ++i) {
        parts_[i]->setFont(font);
        parts_[i]->setText(c.parts[i]);
    }
    unitsFirst_ = c.unitsFirst;
    const QString whole = c.parts[0] + (c.unitsFirst ? c.parts[2] + c.parts[1] : c.parts[1] + c.parts[2]);
    spokenNames().said(partsBox_, whole);
    placeParts();
}

// The three parts side by side, centred together in the white box, each as
// wide as its text. The box is the container the scaler places; the parts
// stay placed by hand from partLefts(), the rule of their order (units
// before tens in UNDICI..SEDICI) and of the rounding of the centred run,
// which a box layout would reproduce only by the accident of how it shares
// out spare pixels.
void AbacusBuildScreen::placeParts()
{
    if (!partsBox_)
        return;
    // With large text the parts grow together as far as the box lets them,
    // never below the size they are given.
    if (partsPoints_ <= 0)
        partsPoints_ = parts_[0]->font().pointSizeF();
    const double design = partsPoints_;
    auto widthAt = [&](double points) {
        QFont f = parts_[0]->font();
        f.setPointSizeF(points);
        double w = 0;
        for (QLabel* part : parts_)
            w += QFontMetricsF(f).horizontalAdvance(part->text());
        return w;
    };
    double points = design * textScale();
    while (points > design && widthAt(points) > partsBox_->width() - 8)
        points = std::max(design, points * 0.95);
    for (QLabel* part : parts_) {
        QFont f = part->font();
        f.setPointSizeF(points);
        part->setFont(f);
    }
    std::array<double, 3> widths{};
    for (int i = 0; i < 3; ++i)
        widths[i] = parts_[i]->text().isEmpty() ? 0 : parts_[i]->fontMetrics().horizontalAdvance(parts_[i]->text());
    const auto lefts = partLefts(widths, partsBox_->width(), unitsFirst_);
    for (int i = 0; i < 3; ++i) {
        parts_[i]->setGeometry(static_cast<int>(std::lround(lefts[i])), 0, static_cast<int>(std::ceil(widths[i])),
                               partsBox_->height());
        parts_[i]->setVisible(!parts_[i]->text().isEmpty());
    }
}

void AbacusBuildScreen::afterRescale()
{
    AbacusScreen::afterRescale();
    placeParts();
}

QString AbacusBuildScreen::problemShown() const
{
    if (number_)
        return number_->text().trimmed();
    const int order[3] = {0, unitsFirst_ ? 2 : 1, unitsFirst_ ? 1 : 2};
    QString whole;
    for (int i : order)
        whole += parts_[i]->text();
    return whole.trimmed();
}

QString AbacusBuildScreen::answerGiven() const
{
    return QString::number(model().value());
}

void AbacusBuildScreen::checkAbacus()
{
    if (model().value() == app().state.currentNumber) {
        countRight();
        awaitNext();
    } else {
        countWrong();
    }
}
