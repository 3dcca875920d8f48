// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/OrderingScreen.h"

#include "exercises/frame/OptionChoice.h"
#include "services/TextForms.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int DefaultOption = 4;  // "7"

} // namespace

OrderingScreen::OrderingScreen(AppContext& app, const ExerciseRow& row) : ExerciseScreen(app, row)
{
    const QFont font = designFont(QStringLiteral("Arial"), 18);
    for (int i = 0; i < Buttons; ++i) {
        auto* b = place(new QPushButton(QStringLiteral("1")), QStringLiteral("ComandoNumero"),
                        at(120, 120 + 720 * i, 2775, 615), i);
        b->setFont(font);
        connect(b, &QPushButton::clicked, this, [this, i] { placeNumber(i); });
        numberButtons_[i] = b;

        auto* l = place(new QLabel(), QStringLiteral("EtNumero"), at(4440, 120 + 720 * i, 1935, 615), i);
        l->setFont(font);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        control::fillBackground(l, Qt::white);
        l->hide();
        placed_[i] = l;
    }

    auto* again = place(new QPushButton(QStringLiteral("Ricomincia")), QStringLiteral("BottoneRicomincia"),
                        at(6945, 4200, 2295, 855));
    again->setFont(designFont(QStringLiteral("Arial"), 14.25));
    connect(again, &QPushButton::clicked, this, &OrderingScreen::offerNumbersAgain);

    // The choice of how many numbers covers the columns while it is open.
    howManyChoice_ = new OptionChoice(*this, QStringLiteral("EtNumeri"), QStringLiteral("Scegli quanti numeri vuoi ordinare"),
                                      at(0, 0, 6600, 2400));
    for (int i = 0; i < 6; ++i)
        howManyChoice_->addOption(QStringLiteral("Option3D1"), QString::number(i + 3), at(360 + 1020 * i, 960, 900, 735));
    connect(howManyChoice_, &OptionChoice::chosen, this, &OrderingScreen::chooseHowMany);

    auto* howMany = addOwnMenuCommand(QStringLiteral("MenuQuantiNumeri"), QStringLiteral("Quanti numeri da ordinare"));
    connect(howMany, &QAction::triggered, this, &OrderingScreen::showHowManyChoice);
    QMenu* order = addOwnMenu(QStringLiteral("MenuOrdinamento"), QStringLiteral("Tipo di ordinamento"));
    ascendingItem_ = addMenuItem(order, QStringLiteral("MenuSu"), QStringLiteral("Dal minore al maggiore"));
    descendingItem_ = addMenuItem(order, QStringLiteral("MenuGiu"), QStringLiteral("Dal maggiore al minore"));
    for (QAction* a : {ascendingItem_, descendingItem_})
        a->setCheckable(true);
    ascendingItem_->setChecked(true);
    connect(ascendingItem_, &QAction::triggered, this, [this] {
        setAscending(true);
        setWindowTitle(this->app().strings.getString(msg::OrderTitleAscending));
    });
    connect(descendingItem_, &QAction::triggered, this, [this] {
        setAscending(false);
        setWindowTitle(this->app().strings.getString(msg::OrderTitleDescending));
    });
}

void OrderingScreen::opened()
{
    // The count comes from the (translated) caption of the default option;
    // the first problem is posed on activation.
    howManyChoice_->option(DefaultOption)->setChecked(true);
    howMany_ = Ordering::countFromCaption(howManyChoice_->option(DefaultOption)->text());
    howManyChoice_->close();
    setWindowTitle(this->app().strings.getString(msg::OrderTitleOnOpen));
    setAscending(true);
    for (QPushButton* b : numberButtons_)
        b->hide();
}

void OrderingScreen::shown()
{
    newProblem();
}

void OrderingScreen::newProblem()
{
    // A new problem is open, whoever posed it ("avanti", a new count, a new
    // maximum number): "avanti" waits for its right order.
    nextButton()->setEnabled(false);
    randomBackground();
    for (QLabel* l : placed_)
        l->hide();
    for (QPushButton* b : numberButtons_)
        b->hide();
    ordering_.pose(app().random, howMany_, app().state.maxNumber);
    offerNumbersAgain();
}

void OrderingScreen::offerNumbersAgain()
{
    ordering_.offerAgain();
    for (QLabel* l : placed_)
        l->hide();
    for (int i = 0; i < ordering_.howMany(); ++i) {
        QPushButton* b = numberButtons_[i];
        b->setText(patternedText(ordering_.numbers()[i]));
        spokenNames().forget(b);
        b->setEnabled(true);
        b->show();
    }
}

void OrderingScreen::placeNumber(int i)
{
    const int slot = ordering_.pickedCount();
    // The numbers in the order picked, this one last: a wrong order is
    // offered again (and forgotten) as soon as it is complete.
    QStringList picked;
    for (int n : ordering_.picked())
        picked << QString::number(n);
    if (i >= 0 && i < ordering_.howMany())
        picked << QString::number(ordering_.numbers()[i]);
    const Ordering::Outcome outcome = ordering_.place(i);
    if (outcome == Ordering::Outcome::Ignored)
        return;
    answered_ = picked.join(QStringLiteral(", "));
    QPushButton* b = numberButtons_[i];
    b->setEnabled(false);
    placed_[slot]->setText(b->text());
    placed_[slot]->show();
    b->setText(QString());
    // The empty button stays in its place; it says why it is empty.
    spokenNames().fixed(b, msg::PlacedNumberName);

    switch (outcome) {
    case Ordering::Outcome::Right:
        countRight();
        awaitNext();
        break;
    case Ordering::Outcome::Wrong:
        offerNumbersAgain();
        countWrong();
        break;
    default:
        break;
    }
}

QString OrderingScreen::problemShown() const
{
    QStringList offered;
    for (int n : ordering_.numbers())
        offered << QString::number(n);
    const QAction* order = ordering_.ascending() ? ascendingItem_ : descendingItem_;
    return order->text().remove(QLatin1Char('&')).trimmed() + QStringLiteral(": ") + offered.join(QStringLiteral(", "));
}

void OrderingScreen::showHowManyChoice()
{
    howManyChoice_->open();
}

void OrderingScreen::chooseHowMany(int option)
{
    howMany_ = Ordering::countFromCaption(howManyChoice_->option(option)->text());
    howManyChoice_->close();
    newProblem();
}

void OrderingScreen::setAscending(bool ascending)
{
    ascendingItem_->setChecked(ascending);
    descendingItem_->setChecked(!ascending);
    ordering_.setAscending(ascending);
}
