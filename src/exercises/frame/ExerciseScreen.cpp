// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/ExerciseScreen.h"

#include "exercises/frame/AnswerBox.h"
#include "exercises/frame/ExerciseFamilies.h"
#include "results/ResultsStore.h"
#include "services/NumberWords.h"
#include "services/TextForms.h"
#include "services/WordAnswer.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "framework/ProgramDialogs.h"
#include "framework/TextSize.h"
#include "framework/Speakers.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <limits>

namespace {

bool happensAt(FrameSetup::When when, FrameSetup::When moment)
{
    return when == moment || (when == FrameSetup::When::AtLoadAndActivation && moment != FrameSetup::When::Never);
}

QLabel* countLabel(const QString& text, double points, Qt::Alignment align)
{
    auto* l = new QLabel(text);
    l->setFont(designFont(QStringLiteral("Arial"), points));
    l->setAlignment(align | Qt::AlignVCenter);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

// Counts stop at the largest 16-bit value: a child never sees a count wrap.
void addOne(qint16& count)
{
    if (count < std::numeric_limits<qint16>::max())
        ++count;
}

} // namespace

ExerciseScreen::ExerciseScreen(AppContext& app, const ExerciseRow& row)
    : Screen(app, QString::fromLatin1(row.designName), row.design.width(), row.design.height()), setup_(row.frame)
{
    setWindowTitle(QString::fromUtf8(row.title));
    const bool own = setup_.counts == FrameSetup::Counts::Own;
    right_ = own ? &ownRight_ : &app.state.rightCount;
    wrong_ = own ? &ownWrong_ : &app.state.wrongCount;

    buildCountsBox();

    if (!setup_.nextAt.isEmpty()) {
        const QRectF n = setup_.nextAt;
        next_ = place(new PictureButton(QStringLiteral("avanti"), pictures::NextArrow), QStringLiteral("BottoneAvanti"),
                      at(n.x(), n.y(), n.width(), n.height()));
        next_->setFont(designFont(QStringLiteral("Arial"), 14.25));
        setSvgCursor(next_, pictures::HandPointer, 40, {12, 2});
        next_->setVisible(setup_.nextAlwaysVisible);
        next_->setEnabled(false);
        connect(next_, &QPushButton::clicked, this, &ExerciseScreen::nextProblem);
    }

    if (setup_.maxChoice != FrameSetup::MaxChoice::None) {
        maxChoice_ = new MaxNumberChoice(*this, setup_.maxChoice, [this] { hideDrawingForChoice(); });
        connect(maxChoice_, &OptionChoice::chosen, this, &ExerciseScreen::chooseMaxNumber);
    }

    // The bar reads: reset, the screen's own menus, the maximum number,
    // information, exit. Own menus are inserted before the last three.
    reset_ = addMenuCommand(QStringLiteral("MenuAzzera"), QStringLiteral("Azzera conteggio     "));
    connect(reset_, &QAction::triggered, this, &ExerciseScreen::resetCounts);
    if (setup_.maxChoice != FrameSetup::MaxChoice::None) {
        maxCommand_ = addMenuCommand(setup_.maxCommandName, setup_.maxCommandText);
        connect(maxCommand_, &QAction::triggered, this, &ExerciseScreen::showMaxNumberChoice);
    }
    information_ = addMenuCommand(QStringLiteral("MenuInformazioni"), QStringLiteral("Informazioni     "));
    connect(information_, &QAction::triggered, this, &ExerciseScreen::showInformation);
    exit_ = addMenuCommand(QStringLiteral("mnuEsci"), QStringLiteral("Esci     "));
    connect(exit_, &QAction::triggered, this, &ExerciseScreen::exitToMenu);
}

void ExerciseScreen::buildCountsBox()
{
    const bool wide = setup_.box == FrameSetup::Box::Wide;
    box_ = place(new PictureBox(), QStringLiteral("PicturesattiErrati"),
                 at(setup_.boxAt.x(), setup_.boxAt.y(), wide ? 4095 : 2295, wide ? 1335 : 2175));
    box_->setBackground(Qt::white);

    yes_ = place(new PictureBox(pictures::YesFace), QStringLiteral("ComandoIconaSi"), at(480, 120, 1095, 975), -1, box_);
    no_ = place(new PictureBox(pictures::NoFace), QStringLiteral("ComandoIconaNo"), at(480, 120, 1095, 975), -1, box_);
    no_->hide();
    spokenNames().fixed(box_, msg::ScoreBoxName);
    spokenNames().fixed(yes_, msg::YesFaceName);
    spokenNames().fixed(no_, msg::NoFaceName);

    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment rightAligned = Qt::AlignRight;
    if (wide) {
        rightCaption_ = place(countLabel(QStringLiteral("Esatti"), 12, centre), QStringLiteral("LabelEST"), at(1680, 120, 1215, 375), -1, box_);
        rightValue_ = place(countLabel(QStringLiteral("0"), 20.25, rightAligned), QStringLiteral("EtichettaEsatti"), at(2880, 60, 1095, 495), -1, box_);
        wrongCaption_ = place(countLabel(QStringLiteral("Errati"), 12, centre), QStringLiteral("LabelErt"), at(1680, 720, 1215, 375), -1, box_);
        wrongValue_ = place(countLabel(QStringLiteral("0"), 20.25, rightAligned), QStringLiteral("EtichettaErrati"), at(2880, 660, 1095, 495), -1, box_);
    } else {
        rightCaption_ = place(countLabel(QStringLiteral("Esatti"), 12, centre), QStringLiteral("LabelEST"), at(60, 1170, 1095, 375), -1, box_);
        rightValue_ = place(countLabel(QStringLiteral("0"), 20.25, rightAligned), QStringLiteral("EtichettaEsatti"), at(1155, 1095, 1020, 495), -1, box_);
        wrongCaption_ = place(countLabel(QStringLiteral("Errati"), 12, centre), QStringLiteral("LabelErt"), at(60, 1650, 1095, 375), -1, box_);
        wrongValue_ = place(countLabel(QStringLiteral("0"), 20.25, rightAligned), QStringLiteral("EtichettaErrati"), at(1155, 1575, 1020, 495), -1, box_);
    }
    // A count says what it counts: "Right: 3", not a lone "3".
    spokenNames().showing(rightValue_, msg::RightCountName);
    spokenNames().showing(wrongValue_, msg::WrongCountName);
}

QAction* ExerciseScreen::addOwnMenuCommand(const QString& name, const QString& text, int index)
{
    auto* a = new QAction(text, this);
    designMenuBar()->insertAction(maxCommand_ ? maxCommand_ : information_, a);
    registerControl(a, name, index);
    return a;
}

QMenu* ExerciseScreen::addOwnMenu(const QString& name, const QString& text)
{
    auto* m = new QMenu(text, this);
    m->setFont(designMenuBar()->font());
    menuBar()->insertMenu(maxCommand_ ? maxCommand_ : information_, m);
    registerControl(m->menuAction(), name);
    return m;
}

qint16 ExerciseScreen::rightCount() const
{
    return *right_;
}

qint16 ExerciseScreen::wrongCount() const
{
    return *wrong_;
}

void ExerciseScreen::showCounts(const QString& right, const QString& wrong)
{
    rightValue_->setText(right);
    wrongValue_->setText(wrong);
    spokenNames().update(rightValue_);
    spokenNames().update(wrongValue_);
}

void ExerciseScreen::onLoad()
{
    showCounts(QStringLiteral("0"), QStringLiteral("0"));
    *right_ = 0;
    *wrong_ = 0;
    if (setup_.frameTextsAtLoad)
        applyFrameTexts();
    openingWork(FrameSetup::When::AtLoad);
    opened();
}

ExerciseScreen::~ExerciseScreen()
{
    if (ResultsStore* results = app().results; results && openedAt_.isValid()) {
        VisitRecord visit;
        visit.screen = objectName();
        // Taken at activation: the derived screen is gone by now.
        visit.mode = property("resultsMode").toInt();
        visit.title = resultsTitle();
        visit.family = exerciseFamily(objectName());
        visit.opened = openedAt_;
        visit.left = QDateTime::currentDateTimeUtc();
        results->record(visit);
    }
}

void ExerciseScreen::recordAnswer(bool right)
{
    ResultsStore* results = app().results;
    if (!results || (maxChoice_ && maxChoice_->frame()->isVisible()) || QApplication::activeModalWidget())
        return;
    AnswerRecord a;
    a.screen = objectName();
    a.mode = resultsMode();
    a.title = resultsTitle();
    a.family = exerciseFamily(objectName());
    a.problem = problemShown();
    a.answer = answerGiven();
    a.right = right;
    results->record(a);
}

QString ExerciseScreen::resultsTitle() const
{
    if (modeName_.isEmpty())
        return windowTitle();
    return windowTitle() + QStringLiteral(": ") + modeName_;
}

QString ExerciseScreen::problemShown() const
{
    if (judgedBox_) {
        for (QLabel* l : canvas()->findChildren<QLabel*>())
            if (l->buddy() == judgedBox_)
                return l->text();
    }
    return QString();
}

QString ExerciseScreen::questionWithPictured(int number) const
{
    return ExerciseScreen::problemShown().trimmed() + QStringLiteral(" [%1]").arg(number);
}

QString ExerciseScreen::answerGiven() const
{
    if (judgedBox_)
        return judgedBox_->text();
    QWidget* used = QApplication::focusWidget();
    if (!used || used->window() != this)
        return QString();
    if (auto* b = qobject_cast<QAbstractButton*>(used))
        return b->text().isEmpty() ? b->accessibleName() : b->text();
    if (auto* box = qobject_cast<QLineEdit*>(used))
        return box->text();
    const QVariant shown = used->property("text");
    return shown.isValid() ? shown.toString() : used->accessibleName();
}

void ExerciseScreen::onActivate()
{
    openedAt_ = QDateTime::currentDateTimeUtc();
    setProperty("resultsMode", resultsMode());
    if (!setup_.frameTextsAtLoad)
        applyFrameTexts();
    openingWork(FrameSetup::When::AtActivation);
    shown();
}

void ExerciseScreen::openingWork(FrameSetup::When moment)
{
    if (happensAt(setup_.seed, moment))
        app().random.reseedFromClock();
    if (happensAt(setup_.resetMaxNumber, moment))
        app().state.maxNumber = 999;
    if (next_ && happensAt(setup_.nextShown, moment))
        next_->show();
    if (happensAt(setup_.selectMaxOption8, moment))
        selectMaxOption(8);
}

void ExerciseScreen::applyFrameTexts()
{
    const FrameTexts& t = app().state.frameTexts;
    rightCaption_->setText(t.rightLabel);
    wrongCaption_->setText(t.wrongLabel);
    reset_->setText(t.resetMenu);
    information_->setText(t.informationMenu);
    if (next_)
        next_->setText(t.nextButton);
    exit_->setText(t.exitMenu);
}

void ExerciseScreen::countRight()
{
    yes_->show();
    no_->hide();
    addOne(*right_);
    showCounts(signedText(*right_), wrongValue_->text());
    recordAnswer(true);
    spoken::announce(yes_);
    app().feedback.playPraise();
    if (const std::optional<int> n = spokenAnswer())
        app().speech.sayNumberAfterSound(*n, app().state.wordsLanguage());
}

QPushButton* ExerciseScreen::speakInstruction(QLabel* line, std::function<bool()> shown)
{
    QPointer<QLabel> guarded(line);
    return speakers().add(
        line, msg::SpeakInstructionName, [guarded] { return guarded ? guarded->text() : QString(); },
        std::move(shown));
}

QPushButton* ExerciseScreen::speakNumber(QWidget* line, std::function<std::optional<int>()> number,
                                         std::function<bool()> shown)
{
    return speakers().add(
        line, msg::SpeakNumberName,
        [this, number = std::move(number)] {
            const std::optional<int> n = number();
            return n ? numberInWords(*n, app().state.wordsLanguage()) : QString();
        },
        std::move(shown));
}

void ExerciseScreen::countWrong(WrongSignal signal)
{
    yes_->hide();
    no_->show();
    addOne(*wrong_);
    showCounts(rightValue_->text(), signedText(*wrong_));
    recordAnswer(false);
    spoken::announce(no_);
    if (signal != WrongSignal::Beep)
        app().feedback.playError();
    if (signal != WrongSignal::ErrorSound)
        app().feedback.beep();
}

void ExerciseScreen::awaitNext()
{
    if (next_) {
        next_->setEnabled(true);
        next_->setFocus();
    }
    for (QWidget* input : inputs_)
        input->setEnabled(false);
}

void ExerciseScreen::settleAnswer(bool right, QWidget* box)
{
    if (right) {
        countRight();
        awaitNext();
    } else {
        countWrong();
        if (box)
            box->setFocus();
    }
}

void ExerciseScreen::nextProblem()
{
    if (next_)
        next_->setEnabled(false);
    for (QWidget* input : inputs_)
        input->setEnabled(true);
    newProblem();
}

void ExerciseScreen::resetCounts()
{
    showCounts(QStringLiteral("0"), QStringLiteral("0"));
    *right_ = 0;
    *wrong_ = 0;
}

void ExerciseScreen::showMaxNumberChoice()
{
    if (maxChoice_)
        maxChoice_->open();
}

void ExerciseScreen::chooseMaxNumber(int option)
{
    if (option < 0 || option >= MaxNumberChoice::Options)
        return;
    app().state.maxNumber = MaxNumberChoice::maxNumberOf(option);
    // A new problem at once. After a right answer the inputs stay locked and
    // "avanti" stays on: the child goes on with "avanti", as after any
    // right answer.
    newProblem();
    if (maxChoice_)
        maxChoice_->close();
}

void ExerciseScreen::selectMaxOption(int option)
{
    if (maxChoice_)
        maxChoice_->select(option);
}

void ExerciseScreen::exitToMenu()
{
    if (app().dialogs.askYesNo(this, QStringLiteral("Contalandia"), app().state.frameTexts.exitQuestion))
        app().navigator.open(setup_.menu);
}

void ExerciseScreen::showInformation()
{
    ::showInformation(app(), this);
}

void ExerciseScreen::watchAnswerBox(QLineEdit* box, std::optional<DigitFilter> filter, bool upperCase,
                                    std::function<void()> onEnter)
{
    // The box whose Enter is being judged, for the results: the box lives
    // no longer than this screen.
    QPointer<QLineEdit> guarded(box);
    watched_.push_back(guarded);
    // A words box: its text grows with large text only as far as the
    // longest words of the language still show whole.
    if (upperCase) {
        const WordsLanguage language = app().state.wordsLanguage();
        textsize::keepRoomFor(box, numberInWords(wordAnswer::numberWithLongestWords(language), language));
    }
    new AnswerBox(box, filter, upperCase, [this, guarded, onEnter = std::move(onEnter)] {
        judgedBox_ = guarded;
        if (onEnter)
            onEnter();
        judgedBox_ = nullptr;
    });
}

void ExerciseScreen::watchAnswer(QLineEdit* box, std::optional<DigitFilter> filter, bool upperCase,
                                 AnswerReading reading, std::function<ExpectedAnswer()> expected,
                                 std::function<void(bool)> judged)
{
    watchAnswerBox(box, filter, upperCase, AnswerBox::judging(box, reading, std::move(expected), std::move(judged)));
}

QLineEdit* ExerciseScreen::typingBox() const
{
    for (auto it = watched_.crbegin(); it != watched_.crend(); ++it)
        if (*it && (*it)->isVisible() && (*it)->isEnabled() && !(*it)->isReadOnly())
            return *it;
    return nullptr;
}

void ExerciseScreen::keyPressEvent(QKeyEvent* event)
{
    // A character no control took on its way up: the focus is on a button,
    // a cell or nothing. Not while an option frame is open over the screen.
    const QString typed = event->text();
    const bool character = typed.size() == 1 && typed[0].isPrint() && !typed[0].isSpace()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    QWidget* focus = focusWidget();
    bool inFrame = false;
    for (QWidget* w = focus; w && !inFrame; w = w->parentWidget())
        inFrame = qobject_cast<QGroupBox*>(w) != nullptr;
    QLineEdit* box = character && !inFrame ? typingBox() : nullptr;
    if (box && focus != box) {
        box->setFocus(Qt::OtherFocusReason);
        QKeyEvent again(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                        static_cast<quint16>(event->count()));
        QCoreApplication::sendEvent(box, &again);
        return;
    }
    Screen::keyPressEvent(event);
}
