// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/AnswerBox.h"

#include "framework/Keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

AnswerValidator::AnswerValidator(std::optional<DigitFilter> filter, bool upperCase, QObject* parent)
    : QValidator(parent), filter_(filter), upperCase_(upperCase)
{
}

QValidator::State AnswerValidator::validate(QString& input, int&) const
{
    if (filter_) {
        for (QChar c : std::as_const(input))
            if (!digitFilterTakes(c, *filter_))
                return Invalid;
        return Acceptable;
    }
    if (upperCase_)
        for (QChar& c : input)
            c = QChar(upperCaseKey(c.unicode()));
    return Acceptable;
}

AnswerBox::AnswerBox(QLineEdit* box, std::optional<DigitFilter> filter, bool upperCase, std::function<void()> onEnter)
    : QObject(box), box_(box), onEnter_(std::move(onEnter))
{
    if (filter || upperCase)
        box->setValidator(new AnswerValidator(filter, upperCase, box));
    box->installEventFilter(this);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    box->setPalette(palette);
}

std::function<void()> AnswerBox::judging(QLineEdit* box, AnswerReading reading,
                                         std::function<ExpectedAnswer()> expected,
                                         std::function<void(bool)> judged)
{
    QPointer<QLineEdit> guarded(box);
    return [guarded, reading, expected = std::move(expected), judged = std::move(judged)] {
        if (guarded && expected && judged)
            judged(isExpectedAnswer(guarded->text(), reading, expected()));
    };
}

bool AnswerBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !key->isAutoRepeat() && !box_->text().isEmpty() && onEnter_)
            onEnter_();
    }
    return QObject::eventFilter(watched, event);
}
