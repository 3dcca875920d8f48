#include "exercises/frame/ExerciseScreen.h"

#include "services/TextForms.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/Keys.h"
#include "framework/Pictures.h"
#include "framework/ProgramDialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
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

// Keys that move the cursor, delete or leave the box rather than type: the
// filters are for typed characters, so these pass whatever the box takes.
// (Delete, Tab and Escape come with a control character as their text.)
bool isEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
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
        next_->setCursor(svgCursor(pictures::HandPointer, 40, {12, 2}));
        next_->setVisible(setup_.nextAlwaysVisible);
        next_->setEnabled(false);
        connect(next_, &QPushButton::clicked, this, &ExerciseScreen::nextProblem);
    }

    if (setup_.maxChoice != FrameSetup::MaxChoice::None)
        buildMaxChoice();

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

void ExerciseScreen::buildMaxChoice()
{
    // The choice covers the screen; on screens smaller than its design size
    // it takes the whole client area instead of running off its edges.
    const QSize client = clientSize();
    const double w = qMin(11355.0, client.width() * twips::PerPixel);
    const double h = qMin(7890.0, client.height() * twips::PerPixel);
    maxFrame_ = place(new QGroupBox(QStringLiteral("Scegli il numero massimo entro il quale lavorare")),
                      QStringLiteral("CorniceNumeroMassimo"), at(0, 0, w, h));
    maxFrame_->setFont(designFont(QStringLiteral("Arial"), 14.25));
    control::fillBackground(maxFrame_, control::ChoiceBackground);
    maxFrame_->hide();

    const double columnWidth = (w - 600) / 3;
    const double rowHeight = (h - 1200) / 3;
    for (int i = 0; i < 9; ++i) {
        auto* option = new QRadioButton(QString::number(199 + 100 * i));
        option->setFont(designFont(QStringLiteral("Arial"), 20.25));
        place(option, QStringLiteral("OpzioneNumeroMassimo"),
              at(480 + (i / 3) * columnWidth, 840 + (i % 3) * rowHeight, columnWidth - 120, qMin(735.0, rowHeight - 60)),
              i, maxFrame_);
        // clicked, not toggled: choosing the number already chosen still
        // closes the choice and poses a problem.
        connect(option, &QRadioButton::clicked, this, [this, i] { chooseMaxNumber(i); });
        maxOptions_.push_back(option);
    }
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

void ExerciseScreen::onActivate()
{
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
    spoken::announce(yes_);
    app().feedback.playPraise();
}

void ExerciseScreen::countWrong(WrongSignal signal)
{
    yes_->hide();
    no_->show();
    addOne(*wrong_);
    showCounts(rightValue_->text(), signedText(*wrong_));
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
    if (!maxFrame_)
        return;
    if (setup_.maxChoice == FrameSetup::MaxChoice::Blocks)
        hideDrawingForChoice();
    maxFrame_->move(0, 0);
    if (setup_.maxChoice == FrameSetup::MaxChoice::Full)
        maxFrame_->resize(clientSize());
    maxFrame_->raise();
    maxFrame_->show();
}

void ExerciseScreen::chooseMaxNumber(int option)
{
    if (option < 0 || option > 8)
        return;
    app().state.maxNumber = static_cast<qint16>(199 + 100 * option);
    // A new problem at once. After a right answer the inputs stay locked and
    // "avanti" stays on: the child goes on with "avanti", as after any
    // right answer.
    newProblem();
    if (maxFrame_)
        maxFrame_->hide();
}

void ExerciseScreen::selectMaxOption(int option)
{
    if (option < 0 || option >= maxOptions_.size())
        return;
    maxOptions_[option]->setChecked(true);
    chooseMaxNumber(option);
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
    box->installEventFilter(this);
    // A box locked after a right answer still shows the child's answer in
    // strong letters, not faded to grey at the moment of success.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    box->setPalette(palette);
    watched_.push_back({box, filter, upperCase, std::move(onEnter)});
}

void ExerciseScreen::watchAnswer(QLineEdit* box, std::optional<DigitFilter> filter, bool upperCase,
                                 AnswerReading reading, std::function<ExpectedAnswer()> expected,
                                 std::function<void(bool)> judged)
{
    QPointer<QLineEdit> guarded(box);
    watchAnswerBox(box, filter, upperCase, [guarded, reading, expected, judged] {
        if (guarded && expected && judged)
            judged(isExpectedAnswer(guarded->text(), reading, expected()));
    });
}

bool ExerciseScreen::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (press || release) {
        for (const WatchedBox& w : std::as_const(watched_)) {
            if (w.box != watched)
                continue;
            auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (release) {
                if (enter && !key->isAutoRepeat() && !w.box->text().isEmpty() && w.onEnter)
                    w.onEnter();
                return false;
            }
            if (isEditingKey(key->key()))
                return false;
            int code = 0;
            if (key->key() == Qt::Key_Backspace)
                code = 8;
            else if (enter)
                code = 13;
            else if (!key->text().isEmpty())
                code = key->text().at(0).unicode();
            if (code == 0)
                return false;  // a key that types nothing: arrows, Shift, ...
            int mapped = code;
            if (w.filter)
                mapped = digitKeyFilter(code, *w.filter);
            else if (w.upperCase)
                mapped = upperCaseKey(code);
            if (mapped == 0)
                return true;
            if (mapped != code) {
                w.box->insert(QString(QChar(mapped)));
                return true;
            }
            return false;
        }
    }
    return Screen::eventFilter(watched, event);
}
