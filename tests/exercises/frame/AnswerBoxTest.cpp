// SPDX-License-Identifier: GPL-3.0-or-later
// What an answer box takes, typed or pasted, and the frame's choices of
// options.
#include "exercises/frame/AnswerBox.h"
#include "exercises/frame/OptionChoice.h"
#include "support/TestApp.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

TEST(AnswerValidator, TakesWhatTheKindAllowsAndWritesCapitals)
{
    struct Case { std::optional<DigitFilter> filter; bool upperCase; const char* text; bool taken; const char* result; };
    const Case cases[] = {
        {DigitFilter::Digits, false, "0123456789", true, "0123456789"},
        {DigitFilter::Digits, false, "1,2", false, ""},
        {DigitFilter::DigitsComma, false, "1,2", true, "1,2"},
        {DigitFilter::DigitsComma, false, "1.2", false, ""},
        {DigitFilter::DigitsCommaPoint, false, "1.2,3", true, "1.2,3"},
        {DigitFilter::DigitsCommaPoint, false, "1 2", false, ""},
        {DigitFilter::Digits, false, "\xd9\xa3", false, ""},   // an Arabic-Indic three is no digit here
        {std::nullopt, true, "trecento è", true, "TRECENTO è"},  // only a..z become capitals
        {std::nullopt, true, "dreißig", true, "DREIßIG"},
        {std::nullopt, false, "due", true, "due"},
        {DigitFilter::Digits, false, "", true, ""},
    };
    for (const Case& c : cases) {
        const AnswerValidator v(c.filter, c.upperCase);
        QString text = QString::fromUtf8(c.text);
        int pos = 0;
        const bool taken = v.validate(text, pos) != QValidator::Invalid;
        EXPECT_EQ(taken, c.taken) << c.text;
        if (taken)
            EXPECT_EQ(text, QString::fromUtf8(c.result)) << c.text;
    }
}

// Pasted text is held to the rule of typed text: refused as a whole where a
// character breaks it, in capitals in a words box.
TEST(AnswerBox, PastedTextFollowsTheRuleOfTypedText)
{
    QLineEdit digits;
    new AnswerBox(&digits, DigitFilter::DigitsComma, false, {});
    digits.insert(QStringLiteral("12"));
    digits.insert(QStringLiteral("3a"));
    EXPECT_EQ(digits.text(), QStringLiteral("12"));
    digits.insert(QStringLiteral(",5"));
    EXPECT_EQ(digits.text(), QStringLiteral("12,5"));

    QLineEdit words;
    new AnswerBox(&words, std::nullopt, true, {});
    words.insert(QStringLiteral("cento"));
    EXPECT_EQ(words.text(), QStringLiteral("CENTO"));
}

// The frame of options opens from the screen's corner or over all of it,
// says which option was clicked and stays open until the screen closes it.
TEST(OptionChoice, OpensOverTheScreenAndSaysWhichOptionWasChosen)
{
    TestApp t{TestApp::Screens::None};
    t.random.setFallback(0.5);
    t.registerStub(QStringLiteral("FormScelta"), 9000, 6000);
    Screen* s = t.open(QStringLiteral("FormScelta"));
    OptionChoice choice(*s, QStringLiteral("Cornice"), QStringLiteral("Scegli"), twips::rect(600, 600, 3000, 1500));
    for (int i = 0; i < 3; ++i)
        choice.addOption(QStringLiteral("Opzione"), QString::number(i + 1), twips::rect(120 + 900 * i, 600, 800, 600));
    std::vector<int> chosen;
    QObject::connect(&choice, &OptionChoice::chosen, [&](int i) { chosen.push_back(i); });
    EXPECT_FALSE(choice.frame()->isVisibleTo(s));
    EXPECT_EQ(s->control<QRadioButton>(QStringLiteral("Opzione"), 2), choice.option(2));

    choice.open();
    EXPECT_TRUE(choice.frame()->isVisibleTo(s));
    EXPECT_EQ(choice.frame()->pos(), QPoint(0, 0));
    EXPECT_EQ(choice.frame()->size(), twips::size(3000, 1500));
    t.click(QStringLiteral("Opzione"), 1);
    t.click(QStringLiteral("Opzione"), 1);  // the option already chosen counts too
    choice.select(2);
    EXPECT_TRUE(choice.option(2)->isChecked());
    EXPECT_EQ(chosen, (std::vector<int>{1, 1, 2}));
    EXPECT_TRUE(choice.frame()->isVisibleTo(s));

    choice.close();
    choice.open(OptionChoice::Cover::Whole);
    EXPECT_EQ(choice.frame()->size(), s->clientSize());
}

} // namespace

// Digits typed after a click on a control that takes no typing (a colour
// button, a bead button) go to the screen's answer box, with the focus.
TEST(AnswerBox, DigitsTypedAfterAClickElsewhereGoToTheAnswerBox)
{
    struct Case { const char* screen; std::vector<double> draws; const char* button; };
    const Case cases[] = {
        {"Form100g", {(63 + 0.5) / 101}, "Command1"},
        {"Form999c1", {0.3, 0.75, 0.15, 0.75, 7.5 / 9, 5.5 / 8, 0.75, 0.55}, "Bot_u"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        TestApp t;
        t.random.setFallback(0.0);
        for (double d : c.draws)
            t.random.push({d});
        t.open(QString::fromLatin1(c.screen));
        auto* box = t.find<QLineEdit>(QStringLiteral("Text1"));
        ASSERT_NE(box, nullptr);
        t.click(QString::fromLatin1(c.button));
        ASSERT_NE(QApplication::focusWidget(), box);
        t.pressKeys(QStringLiteral("63"));
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(box->text(), "63");
        // Space and the arrows still belong to the focused control.
        t.click(QString::fromLatin1(c.button));
        t.press(Qt::Key_Space);
        EXPECT_EQ(box->text(), "63");
    }
}
