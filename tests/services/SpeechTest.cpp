// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/NumberWords.h"
#include "services/Speech.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace {

struct Switches
{
    bool sounds = true;
    bool voice = true;
    RecordingVoice recorder;
    Speech speech{sounds, voice};
    Switches() { speech.useVoice(&recorder); }
};

} // namespace

// What the screen shows is said as the words the screen would write: every
// number through numberInWords, in lower case.
TEST(Speech, ShownTextsAreSaidWithTheirNumbersAsTheWordsTheScreenWrites)
{
    const struct
    {
        const char* shown;
        WordsLanguage language;
        const char* said;
    } cases[] = {
        {"scrivi il numero in cifre", WordsLanguage::Italian, "scrivi il numero in cifre"},
        {"CLICCA SUL NUMERO  57", WordsLanguage::Italian, "clicca sul numero cinquantasette"},
        {"Click on the number 345", WordsLanguage::English, nullptr},
        {"7+8=15", WordsLanguage::Italian, nullptr},
        {"  ", WordsLanguage::Italian, ""},
        {"1234567890123456", WordsLanguage::Italian, "1234567890123456"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        const QString said = Speech::spokenForm(QString::fromUtf8(c.shown), c.language);
        if (c.said)
            EXPECT_EQ(said, QString::fromUtf8(c.said));
        EXPECT_EQ(said, said.toLower());
        EXPECT_FALSE(said.contains(QLatin1String("  ")));
    }
    EXPECT_EQ(Speech::spokenForm(QStringLiteral("Click on the number 345"), WordsLanguage::English),
              QStringLiteral("click on the number ") + numberInWords(345, WordsLanguage::English).trimmed().toLower());
    EXPECT_EQ(Speech::spokenForm(QStringLiteral("7+8=15"), WordsLanguage::Italian),
              (numberInWords(7, WordsLanguage::Italian).trimmed() + QStringLiteral(" + ")
               + numberInWords(8, WordsLanguage::Italian).trimmed() + QStringLiteral(" = ")
               + numberInWords(15, WordsLanguage::Italian).trimmed())
                  .toLower());
}

TEST(Speech, ANumberIsSaidInItsWordsAfterTheSoundInTheLanguageAsked)
{
    Switches s;
    for (WordsLanguage language : AllWordsLanguages) {
        s.recorder.said.clear();
        s.speech.sayNumberAfterSound(345, language);
        ASSERT_EQ(s.recorder.said.size(), 1u);
        EXPECT_EQ(s.recorder.said[0].text, numberInWords(345, language).trimmed().toLower());
        EXPECT_EQ(s.recorder.said[0].language, language);
        EXPECT_EQ(s.recorder.said[0].when, Voice::When::AfterSound);
    }
    s.speech.sayShown(QStringLiteral("Scrivi"), WordsLanguage::German);
    EXPECT_EQ(s.recorder.said.back().text, QStringLiteral("scrivi"));
    EXPECT_EQ(s.recorder.said.back().language, WordsLanguage::German);
    EXPECT_EQ(s.recorder.said.back().when, Voice::When::Now);
}

// Either switch off, or no voice at all: nothing is said. The switches are
// read at each request.
TEST(Speech, NothingIsSaidWithTheSoundsOrTheVoiceOffOrWithoutAVoice)
{
    Switches s;
    s.sounds = false;
    s.speech.sayShown(QStringLiteral("uno"), WordsLanguage::Italian);
    s.speech.sayNumberAfterSound(1, WordsLanguage::Italian);
    s.sounds = true;
    s.voice = false;
    s.speech.sayShown(QStringLiteral("uno"), WordsLanguage::Italian);
    s.speech.sayNumberAfterSound(1, WordsLanguage::Italian);
    EXPECT_TRUE(s.recorder.said.empty());
    s.voice = true;
    s.speech.sayShown(QStringLiteral("   "), WordsLanguage::Italian);
    EXPECT_TRUE(s.recorder.said.empty()) << "nothing to say";
    s.speech.sayShown(QStringLiteral("uno"), WordsLanguage::Italian);
    EXPECT_EQ(s.recorder.texts(), QStringList{QStringLiteral("uno")});

    s.speech.useVoice(nullptr);
    s.speech.sayShown(QStringLiteral("due"), WordsLanguage::Italian);
    s.speech.stop();
    EXPECT_EQ(s.recorder.said.size(), 1u);
}
