// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/blocks/BlocksVariants.h"
#include "exercises/frame/ExerciseScreen.h"

class BlocksView;
class QLabel;
class QLineEdit;

// "scrivi il numero in cifre" (Form999y) and "scrivi il numero in parola"
// (Form999z): a block drawing, and the child writes the number it shows.
class BlocksReadScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    BlocksReadScreen(AppContext& app, const ExerciseRow& row, BlocksReadVariant variant);

    const BlocksDrawing& drawing() const;

protected:
    void newProblem() override;
    void shown() override;
    void hideDrawingForChoice() override;
    // The instruction, then in brackets the number the blocks make.
    QString problemShown() const override;
    std::optional<int> spokenAnswer() const override;

private:
    void judged(bool right);

    const BlocksReadVariant variant_;
    BlocksView* view_ = nullptr;
    QLabel* instruction_ = nullptr;
    QLineEdit* answer_ = nullptr;
};
