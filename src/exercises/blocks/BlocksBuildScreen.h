// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/blocks/BlocksDrawing.h"
#include "exercises/frame/ExerciseScreen.h"

class BlocksView;
class QLabel;
class QPushButton;

// "dal numero al disegno" (Form999x): a number in words or in digits, and
// the child builds it with flats, longs and units, then confirms.
class BlocksBuildScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    BlocksBuildScreen(AppContext& app, const ExerciseRow& row);

    int posedNumber() const { return posed_; }
    const BlocksDrawing& drawing() const;
    bool showsWords() const { return words_; }

protected:
    void newProblem() override;
    void afterRescale() override;
    void hideDrawingForChoice() override;
    // The number as it is shown, in words or digits; the number the blocks
    // on the drawing make.
    QString problemShown() const override;
    std::optional<int> spokenAnswer() const override { return posed_; }
    QString answerGiven() const override;

private:
    void addBlock(BlockKind kind);
    void restart();
    void confirm();
    void showIn(bool words);
    void fitNumber();

    BlocksView* view_ = nullptr;
    QLabel* number_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QAction* wordsItem_ = nullptr;
    QAction* digitsItem_ = nullptr;
    int posed_ = 1;
    bool words_ = true;
};
