// SPDX-License-Identifier: GPL-3.0-or-later
// The speaker buttons and the numbers said after right answers, heard
// through a recording voice: what is said, in which language, when.
#include "exercises/abacus/AbacusCatalog.h"
#include "exercises/blocks/BlocksCatalog.h"
#include "exercises/columns/ColumnsCatalog.h"
#include "exercises/frame/ExerciseRow.h"
#include "exercises/numberlines/NumberLineScreen.h"
#include "exercises/numberlines/NumberLinesCatalog.h"
#include "exercises/tables/TablesCatalog.h"
#include "exercises/written/WrittenCatalog.h"
#include "framework/ChildStyle.h"
#include "framework/Speakers.h"
#include "services/NumberWords.h"
#include "support/TestApp.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QString italianFile()
{
    return QString::fromUtf8(testfiles::readBytes(QStringLiteral(CONTALANDIA_DATA_DIR "/Italiano.lng")));
}

QString words(int n, WordsLanguage language = WordsLanguage::Italian)
{
    return numberInWords(n, language).trimmed().toLower();
}

// Lets the speakers follow what the screen just changed.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
}

struct SpeakingApp
{
    TestApp t;
    SpeakingApp()
    {
        t.useLanguage(QStringLiteral("Italiano"), italianFile());
        t.random.setFallback(0.3);
    }
    // Fractions spread over [0, 1): a rule that draws until its numbers
    // differ never meets the same one twice.
    void open(const QString& name, int variant = 0)
    {
        for (int i = 0; i < 400; ++i)
            t.random.push(std::fmod(0.137 + 0.618034 * i, 1.0));
        t.open(name, variant);
        if (auto* choice = t.find<QWidget>(QStringLiteral("CorniceNumeroMassimo")); choice && choice->isVisible())
            t.click(QStringLiteral("OpzioneNumeroMassimo"), 8);
        settle();
    }
    QList<QPushButton*> shownSpeakers() const
    {
        QList<QPushButton*> out;
        for (QPushButton* b : t.current()->speakers().buttons())
            if (b->isVisible())
                out << b;
        return out;
    }
    QPushButton* speakerBeside(const QString& lineName) const
    {
        for (QPushButton* b : shownSpeakers())
            if (QWidget* line = t.current()->speakers().lineOf(b); line && line->objectName() == lineName)
                return b;
        return nullptr;
    }
    void answer(const QString& box, const QString& text)
    {
        t.typeKeys(box, text);
        t.key(box, Qt::Key_Return);
        settle();
    }
    QString rightCount() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text().trimmed(); }
};

} // namespace

// The words-to-digits screen: its instruction and its number in words each
// have a speaker; F2 says both, in reading order; each is said at once in
// the language of the number words.
TEST(Speakers, TheInstructionAndTheNumberInWordsAreSaidOnAPressAndOnF2)
{
    SpeakingApp s;
    s.t.app.state.numberWordsLanguage = WordsLanguage::German;
    s.open(QStringLiteral("FormScri"), 1);
    const int n = s.t.app.state.currentNumber;
    QPushButton* instruction = s.speakerBeside(QStringLiteral("Label3"));
    QPushButton* number = s.speakerBeside(QStringLiteral("EtichettaNumero"));
    ASSERT_NE(instruction, nullptr);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(instruction->accessibleName(), QStringLiteral("Ascolta la consegna"));
    EXPECT_EQ(number->accessibleName(), QStringLiteral("Ascolta il numero"));

    QTest::mouseClick(number, Qt::LeftButton);
    QTest::mouseClick(instruction, Qt::LeftButton);
    s.t.press(Qt::Key_F2);
    ASSERT_EQ(s.t.voice.said.size(), 3u);
    EXPECT_EQ(s.t.voice.said[0].text, words(n, WordsLanguage::German));
    EXPECT_EQ(s.t.voice.said[1].text, QStringLiteral("scrivi il numero in cifre"));
    EXPECT_EQ(s.t.voice.said[2].text, words(n, WordsLanguage::German) + QStringLiteral(". scrivi il numero in cifre."));
    for (const RecordingVoice::Said& said : s.t.voice.said) {
        EXPECT_EQ(said.language, WordsLanguage::German);
        EXPECT_EQ(said.when, Voice::When::Now);
    }
    EXPECT_TRUE(s.t.player.played.isEmpty());
}

// A right answer that is a number: the praise, then that number in words,
// once. A wrong one says nothing.
TEST(Speakers, ARightAnswerIsSaidInWordsOnceAfterThePraise)
{
    SpeakingApp s;
    s.open(QStringLiteral("FormScri"), 9);
    const int n = s.t.app.state.currentNumber;
    s.answer(QStringLiteral("Text1"), QString::number(n + 1));
    EXPECT_TRUE(s.t.voice.said.empty());
    s.t.find<QLineEdit>(QStringLiteral("Text1"))->clear();
    s.answer(QStringLiteral("Text1"), QString::number(n));
    ASSERT_EQ(s.rightCount(), QStringLiteral("1"));
    ASSERT_EQ(s.t.voice.said.size(), 1u);
    EXPECT_EQ(s.t.voice.said[0].text, words(n));
    EXPECT_EQ(s.t.voice.said[0].when, Voice::When::AfterSound);
    ASSERT_EQ(s.t.player.played.size(), 2);   // the error sound, then the praise
    EXPECT_TRUE(s.t.player.played.back().contains(QLatin1String("/suoni/si")));
    // "avanti" is there at once, as without the voice.
    EXPECT_TRUE(s.t.find<QPushButton>(QStringLiteral("BottoneAvanti"))->isEnabled());
}

// Each family whose answer is a number says it; the comparison does not.
TEST(Speakers, EachFamilySaysTheNumberOfARightAnswer)
{
    struct Case
    {
        const char* screen;
        int variant;
        const char* box;
        std::function<int(TestApp&)> expected;
    };
    const auto current = [](TestApp& t) { return int(t.app.state.currentNumber); };
    const Case cases[] = {
        {"FormScri2", 0, "Text1", current},
        {"Form999b", 0, "TestoNumero", current},
        {"Form999y", 0, "Text1", current},
        {"FormGradi1", 0, "Text1",
         [](TestApp& t) { return static_cast<NumberLineScreen*>(t.current())->line().expected(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        SpeakingApp s;
        s.open(QString::fromLatin1(c.screen), c.variant);
        const int n = c.expected(s.t);
        const QString typed = QLatin1String(c.screen) == QLatin1String("FormScri2")
                                  ? numberInWords(n, WordsLanguage::Italian).trimmed()
                                  : QString::number(n);
        s.t.find<QLineEdit>(QString::fromLatin1(c.box))->clear();
        s.answer(QString::fromLatin1(c.box), typed);
        ASSERT_EQ(s.rightCount(), QStringLiteral("1"));
        ASSERT_FALSE(s.t.voice.said.empty());
        EXPECT_EQ(s.t.voice.said.back().text, words(n));
        EXPECT_EQ(s.t.voice.said.back().when, Voice::When::AfterSound);
    }

    SpeakingApp s;
    s.open(QStringLiteral("FormMM"));
    for (int i = 0; i < 3 && s.rightCount() == QLatin1String("0"); ++i)
        s.t.click(QStringLiteral("Comando"), i);
    ASSERT_EQ(s.rightCount(), QStringLiteral("1"));
    EXPECT_TRUE(s.t.voice.said.empty()) << "a comparison is no number";
}

// Words typed by the child are read back only once they are right: before,
// the speaker would give the answer away.
TEST(Speakers, TheWordsOfTheAnswerAreReadBackOnlyOnceRight)
{
    SpeakingApp s;
    s.open(QStringLiteral("FormScri2"));
    const int n = s.t.app.state.currentNumber;
    EXPECT_EQ(s.speakerBeside(QStringLiteral("Text1")), nullptr);
    s.answer(QStringLiteral("Text1"), QStringLiteral("NOVE"));
    EXPECT_EQ(s.speakerBeside(QStringLiteral("Text1")), nullptr);
    s.t.find<QLineEdit>(QStringLiteral("Text1"))->clear();
    s.answer(QStringLiteral("Text1"), numberInWords(n, WordsLanguage::Italian).trimmed());
    QPushButton* readBack = s.speakerBeside(QStringLiteral("Text1"));
    ASSERT_NE(readBack, nullptr);
    s.t.voice.said.clear();
    QTest::mouseClick(readBack, Qt::LeftButton);
    EXPECT_EQ(s.t.voice.texts(), QStringList{words(n)});
    s.t.click(QStringLiteral("BottoneAvanti"));
    settle();
    EXPECT_EQ(s.speakerBeside(QStringLiteral("Text1")), nullptr);
}

// With the voice or the sounds switched off nothing is said: not on a
// press, nor on F2, nor after a right answer.
TEST(Speakers, NothingIsSaidWithTheVoiceOrTheSoundsOff)
{
    for (bool soundsOff : {false, true}) {
        SpeakingApp s;
        (soundsOff ? s.t.app.state.soundsOn : s.t.app.state.voiceOn) = false;
        s.open(QStringLiteral("FormScri"), 1);
        for (QPushButton* b : s.shownSpeakers())
            QTest::mouseClick(b, Qt::LeftButton);
        s.t.press(Qt::Key_F2);
        s.answer(QStringLiteral("Text1"), QString::number(s.t.app.state.currentNumber));
        ASSERT_EQ(s.rightCount(), QStringLiteral("1"));
        EXPECT_TRUE(s.t.voice.said.empty());
    }
}

// Every speaker on show, on every screen and at every display size, stands
// on the canvas, is at least a fingertip wide, and covers nothing a control
// on show shows (a plain label only where its text is). The screens with
// an instruction line or a number in words have theirs.
TEST(Speakers, NoSpeakerCoversAControlAtAnySize)
{
    const QSet<QString> withSpeakers = {
        "FormScri2", "Form999b", "Form999b1", "Form100Trova2", "Form100Ricon2", "Form999y", "Form999z",
        "Form999a", "Form999sem", "Form999x", "FormCola", "FormColc", "FormColD", "FormColb",
        "Form33", "Form36", "Form37", "Form34"};
    std::vector<const ExerciseRow*> rows;
    for (auto family : {abacusRows(), blocksRows(), columnRows(), numberLineRows(), tablesRows(), writtenRows()})
        for (const ExerciseRow& r : family)
            rows.push_back(&r);
    for (bool large : {false, true}) {
        for (const ExerciseRow* row : rows) {
            const QString name = QString::fromLatin1(row->designName);
            SpeakingApp s;
            s.t.app.state.largeText = large;
            s.open(name, row->variant);
            for (QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080)}) {
                SCOPED_TRACE(name.toStdString() + " " + std::to_string(row->variant) + " at "
                             + std::to_string(size.width()) + "x" + std::to_string(size.height())
                             + (large ? " large" : ""));
                s.t.resize(size);
                settle();
                const QList<QPushButton*> shown = s.shownSpeakers();
                if (withSpeakers.contains(name) || (name == QLatin1String("FormScri") && row->variant == 1))
                    EXPECT_FALSE(shown.isEmpty()) << "no speaker";
                QWidget* canvas = s.t.current()->canvas();
                for (QPushButton* b : shown) {
                    const QRect r = b->geometry();
                    EXPECT_TRUE(canvas->rect().contains(r)) << "off the canvas";
                    EXPECT_GE(r.width(), ChildStyle::FingerTip);
                    EXPECT_GE(r.height(), ChildStyle::FingerTip);
                    EXPECT_FALSE(b->accessibleName().isEmpty());
                    QWidget* line = s.t.current()->speakers().lineOf(b);
                    for (QObject* c : canvas->children()) {
                        auto* w = qobject_cast<QWidget*>(c);
                        if (!w || w == b || !w->isVisible() || w->testAttribute(Qt::WA_TransparentForMouseEvents))
                            continue;
                        const QRect covered = w == line ? Speakers::textRect(line) : Speakers::shownRect(w);
                        EXPECT_FALSE(r.intersects(covered))
                            << "covers " << w->objectName().toStdString() << " " << control::index(w);
                    }
                }
            }
        }
    }
}
