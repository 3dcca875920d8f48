// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's wrong-answer signals and its one way of judging a typed answer.
#include "exercises/frame/ExerciseScreen.h"
#include "support/TestApp.h"

#include <QLineEdit>

namespace {

TEST(AnswerReadingTest, EachReadingComparesItsOwnWay)
{
    struct Case { const char* typed; AnswerReading reading; double number; bool right; };
    const Case cases[] = {
        {"607", AnswerReading::Lenient, 607, true},
        {"0607", AnswerReading::Lenient, 607, true},
        {"6 07", AnswerReading::Lenient, 607, true},
        {"607,25", AnswerReading::Lenient, 607, true},   // reading stops at the comma
        {"63.0", AnswerReading::Lenient, 63, true},
        {"6,3", AnswerReading::Lenient, 63, false},
        {"abc", AnswerReading::Lenient, 0, true},        // no number reads 0
        {"6,0,7", AnswerReading::DigitsOnly, 607, true},
        {"670", AnswerReading::DigitsOnly, 607, false},
        // Words are judged as the digits-to-words screen judges them.
        {"DOSCIENTOS", AnswerReading::Words, 200, true},
        {"  doscientos  ", AnswerReading::Words, 200, true},
        {"DOS CIENTOS", AnswerReading::Words, 200, true},
        {"DOSCIENTO", AnswerReading::Words, 200, false},
        {"TRESCIENTOS TREINTA Y DOS", AnswerReading::Words, 332, true},
        {"TRESCIENTOS TREINTA Y DOS", AnswerReading::Words, 333, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isExpectedAnswer(QString::fromUtf8(c.typed), c.reading, {c.number, WordsLanguage::Spanish}), c.right)
            << c.typed;
}

// The answer screen's catalogue row: the frame at its plainest.
const ExerciseRow& answerRow()
{
    static const ExerciseRow row{.designName = "FormRisposta",
                                 .title = "",
                                 .design = {9000, 6000},
                                 .frame = {.menu = QStringLiteral("FormMenuNumeri"), .boxAt = {6000, 120}}};
    return row;
}

// A screen with one answer box that expects 42.
class AnswerScreen : public ExerciseScreen
{
public:
    explicit AnswerScreen(AppContext& app) : ExerciseScreen(app, answerRow())
    {
        box = place(new QLineEdit(), QStringLiteral("Text1"), at(600, 600, 3000, 900));
        watchAnswer(box, DigitFilter::Digits, false, AnswerReading::Lenient, [] { return ExpectedAnswer{42}; },
                    [this](bool right) { judged.push_back(right); right ? countRight() : countWrong(signal); });
    }
    QLineEdit* box;
    std::vector<bool> judged;
    WrongSignal signal = WrongSignal::ErrorSound;

protected:
    void newProblem() override {}
};

class FrameSignals : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.random.setFallback(0.5);  // praise sounds and colours
        t.app.navigator.add(QStringLiteral("FormRisposta"), [](AppContext& a) -> Screen* { return new AnswerScreen(a); });
        t.open(QStringLiteral("FormRisposta"));
    }
    AnswerScreen* s() { return static_cast<AnswerScreen*>(t.current()); }
    TestApp t{TestApp::Screens::None};
};

TEST_F(FrameSignals, EnterOnATypedAnswerJudgesItOnceAndAnEmptyBoxIsIgnored)
{
    t.key("Text1", Qt::Key_Return);
    EXPECT_TRUE(s()->judged.empty());
    t.type("Text1", "41");
    t.key("Text1", Qt::Key_Return);
    s()->box->setText("42");
    t.key("Text1", Qt::Key_Enter);
    EXPECT_EQ(s()->judged, (std::vector<bool>{false, true}));
    EXPECT_EQ(s()->rightCount(), 1);
    EXPECT_EQ(s()->wrongCount(), 1);
}

TEST_F(FrameSignals, AWrongAnswerSoundsAsTheScreenChooses)
{
    const QString error = QDir(t.folder.path()).filePath("suoni/no.wav");
    struct Case { WrongSignal signal; bool soundsOn; int played; int beeps; };
    for (const Case c : {Case{WrongSignal::ErrorSound, true, 1, 0}, Case{WrongSignal::ErrorSound, false, 0, 0},
                         Case{WrongSignal::Beep, true, 0, 1}, Case{WrongSignal::Beep, false, 0, 1},
                         Case{WrongSignal::Both, true, 1, 1}, Case{WrongSignal::Both, false, 0, 1}}) {
        t.player.played.clear();
        t.player.beeps = 0;
        t.app.state.soundsOn = c.soundsOn;
        s()->signal = c.signal;
        s()->box->setText("7");
        t.key("Text1", Qt::Key_Return);
        EXPECT_EQ(t.player.played.size(), c.played) << int(c.signal) << c.soundsOn;
        EXPECT_EQ(t.player.beeps, c.beeps) << int(c.signal) << c.soundsOn;
    }
}

} // namespace
