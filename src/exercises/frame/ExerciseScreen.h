// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/AnswerReading.h"
#include "exercises/frame/ExerciseRow.h"
#include "exercises/frame/KeyFilters.h"
#include "exercises/frame/MaxNumberChoice.h"
#include "framework/Screen.h"

#include <QDateTime>
#include <QPointer>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// How a wrong answer is signalled: the error sound (only while sounds are
// on), the system's plain beep (always), or both.
enum class WrongSignal { ErrorSound, Beep, Both };

// The frame every exercise screen shares: the right and wrong counts with
// their captions, the yes and no pictures, the next button, the reset,
// information and exit menus and the choice of the largest number
// (MaxNumberChoice); its answer boxes are AnswerBoxes.
//
// A screen derives from this class, declares its FrameSetup, places its own
// controls in its constructor (own menus through addOwnMenu...()), and
// writes:
//   newProblem()   poses a problem (called by the next button and by the
//                  maximum-number choice);
//   opened()       its own opening work, after the frame's (FrameLoad);
//   shown()        its own activation work, after the frame's
//                  (FrameActivate), normally ending with newProblem().
// It calls countRight()/countWrong() on answers and awaitNext() after a
// right answer; setAnswerInputs() names the inputs that awaitNext() locks.
// A screen with a block drawing hides it in hideDrawingForChoice() while
// the blocks kind of the maximum-number choice covers the screen.
class ExerciseScreen : public Screen
{
    Q_OBJECT
public:
    // The screen of one catalogue row: its design name, design area, window
    // title and frame set-up.
    ExerciseScreen(AppContext& app, const ExerciseRow& row);
    // Keeps the visit in the results.
    ~ExerciseScreen() override;

    const FrameSetup& frameSetup() const { return setup_; }
    qint16 rightCount() const;
    qint16 wrongCount() const;

    // The frame operations.
    void countRight();
    void countWrong(WrongSignal signal = WrongSignal::ErrorSound);
    void awaitNext();
    // The usual end of a judged answer: a right one is counted and the
    // inputs wait for "avanti"; a wrong one is counted and the box keeps the
    // focus, its text there for the child to mend.
    void settleAnswer(bool right, QWidget* box);
    void nextProblem();
    void resetCounts();
    void showMaxNumberChoice();
    void chooseMaxNumber(int option);
    void exitToMenu();
    void showInformation();

protected:
    // What the results keep of an answer the frame counts (see
    // recordAnswer): the problem as shown and the answer as typed or
    // chosen. By default the question label of the answer box judged last
    // (its buddy) and that box's text, else the caption of the control the
    // child used; a screen whose problem is shown otherwise says it here.
    virtual QString problemShown() const;
    virtual QString answerGiven() const;
    // For a screen whose number the child sees only in a picture (an
    // abacus, blocks, a cell of a table): the question as the frame finds
    // it, then that number in brackets, "Quanto vale? [347]".
    QString questionWithPictured(int number) const;
    // The written-number screen keeps its mode apart in the results.
    virtual int resultsMode() const { return 0; }
    // A screen that plays several modes under one title names the mode it
    // plays (in the current language): the results call it by its title,
    // then this name, "Scrivi il numero: più 10".
    void setResultsModeName(const QString& name) { modeName_ = name; }
    // What the results call the screen: its title, and its mode's name.
    QString resultsTitle() const;

    // The number a right answer stands for, said in words once the praise
    // has played; none (the default) says nothing, as on the comparison and
    // ordering screens. Asked when the right answer is counted.
    virtual std::optional<int> spokenAnswer() const { return std::nullopt; }
    // A speaker button beside an instruction line, which says what the line
    // shows; beside a number in words, which says the words of number()
    // (nothing while it has none). `shown`, if given, must hold too.
    QPushButton* speakInstruction(QLabel* line, std::function<bool()> shown = {});
    QPushButton* speakNumber(QWidget* line, std::function<std::optional<int>()> number,
                             std::function<bool()> shown = {});

    virtual void newProblem() = 0;
    virtual void opened() {}
    virtual void shown() {}
    virtual void hideDrawingForChoice() {}

    void setAnswerInputs(QList<QWidget*> inputs) { inputs_ = std::move(inputs); }
    // Makes box an AnswerBox: it takes what the filter or the capitals allow,
    // and onEnter runs when Enter is released over it with something typed.
    void watchAnswerBox(QLineEdit* box, std::optional<DigitFilter> filter, bool upperCase,
                        std::function<void()> onEnter);
    // An answer box judged as a whole: it takes what it is allowed as above,
    // and when Enter is released over it with something typed, the text is
    // read as `reading` says and compared with expected(); judged(right)
    // follows.
    void watchAnswer(QLineEdit* box, std::optional<DigitFilter> filter, bool upperCase, AnswerReading reading,
                     std::function<ExpectedAnswer()> expected, std::function<void(bool right)> judged);
    // Selects OpzioneNumeroMassimo(i) as if the child clicked it.
    void selectMaxOption(int option);

    QAction* addOwnMenuCommand(const QString& name, const QString& text, int index = -1);
    QMenu* addOwnMenu(const QString& name, const QString& text);

    QPushButton* nextButton() const { return next_; }

    // The box a character typed elsewhere on the screen goes to: by default
    // the last watched box that is shown and open. After a click on a
    // control that needs no keyboard (a colour or bead button, a cell), the
    // child's digits are not lost; they go there, and the focus with them.
    virtual QLineEdit* typingBox() const;
    void keyPressEvent(QKeyEvent* event) override;

    // Closing an exercise window asks the exit question and leads back to
    // the exercise menu, like the exit menu.
    void closeRequested() override { exitToMenu(); }

private:
    // Hands a counted answer to the results store, unless the maximum-number
    // choice or a dialog is open.
    void recordAnswer(bool right);
    void onLoad() final;
    void onActivate() final;
    void openingWork(FrameSetup::When moment);
    void applyFrameTexts();
    void showCounts(const QString& right, const QString& wrong);
    void buildCountsBox();

    FrameSetup setup_;
    qint16 ownRight_ = 0;
    qint16 ownWrong_ = 0;
    // The pair in use: the program's shared counts or this screen's own.
    qint16* right_ = nullptr;
    qint16* wrong_ = nullptr;
    QList<QWidget*> inputs_;

    PictureBox* box_ = nullptr;
    PictureBox* yes_ = nullptr;
    PictureBox* no_ = nullptr;
    QLabel* rightCaption_ = nullptr;
    QLabel* rightValue_ = nullptr;
    QLabel* wrongCaption_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* next_ = nullptr;
    MaxNumberChoice* maxChoice_ = nullptr;
    QAction* reset_ = nullptr;
    QAction* maxCommand_ = nullptr;
    QAction* information_ = nullptr;
    QAction* exit_ = nullptr;
    QPointer<QLineEdit> judgedBox_;     // the box whose Enter is being judged
    QList<QPointer<QLineEdit>> watched_; // every box made an AnswerBox
    QDateTime openedAt_;                // UTC, for the results' visit
    QString modeName_;
};
