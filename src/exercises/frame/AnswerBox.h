// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/frame/AnswerReading.h"
#include "exercises/frame/KeyFilters.h"

#include <QObject>
#include <QValidator>
#include <functional>
#include <optional>

class QLineEdit;

// What an answer box takes, whether typed, pasted or dropped: with a digit
// filter only the characters it lets through (digits, and a comma or a
// point where its kind allows); otherwise any text, the letters a..z made
// capitals where the box writes in capitals. A text that breaks the rule is
// refused as a whole, so a refused key leaves the box as it was.
class AnswerValidator : public QValidator
{
    Q_OBJECT
public:
    AnswerValidator(std::optional<DigitFilter> filter, bool upperCase, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

private:
    std::optional<DigitFilter> filter_;
    bool upperCase_;
};

// A box the child types an answer into: its validator, its look once it is
// locked after a right answer (the child's answer stays in strong letters,
// not faded to grey at the moment of success), and its judging: onEnter
// runs when Enter is released over the box with something typed in it.
// Editing keys (Backspace, Delete, the arrows, Home, End, Tab, Escape) work
// as in any box. It lives as long as its box.
class AnswerBox : public QObject
{
    Q_OBJECT
public:
    AnswerBox(QLineEdit* box, std::optional<DigitFilter> filter, bool upperCase, std::function<void()> onEnter);

    // The usual judging: the text read as `reading` says and compared with
    // expected(); judged(right) follows.
    static std::function<void()> judging(QLineEdit* box, AnswerReading reading,
                                         std::function<ExpectedAnswer()> expected,
                                         std::function<void(bool right)> judged);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
    std::function<void()> onEnter_;
};
