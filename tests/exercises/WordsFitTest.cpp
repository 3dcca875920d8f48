// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen that shows a number in words shows the longest words of
// every language whole, at a small and a large display, with large text on
// and off: wrapped on a blank or made smaller, never cut.
#include "services/NumberWords.h"
#include "support/TestApp.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// The fraction that floor(r * 999) + 1 turns into n.
double fractionDrawingWords(int n)
{
    return (n - 1 + 0.5) / 999;
}

// The numbers of 1..999 with the longest words in the language.
std::vector<int> numbersWithLongestWords(WordsLanguage language, int count)
{
    std::vector<std::pair<qsizetype, int>> byLength;
    for (int n = 1; n <= 999; ++n)
        byLength.emplace_back(numberInWords(n, language).size(), n);
    std::sort(byLength.begin(), byLength.end(), std::greater<>());
    std::vector<int> numbers;
    for (int k = 0; k < count; ++k)
        numbers.push_back(byLength[k].second);
    return numbers;
}

// Whether the text, drawn in the widget's font in its contents, is whole.
bool isShownWhole(const QWidget* w, const QString& text, bool wraps)
{
    const QRect room = w->contentsRect();
    const QFontMetrics m(w->font());
    const QRect needed = m.boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                        Qt::AlignCenter | (wraps ? Qt::TextWordWrap : 0), text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

struct WordsPlace
{
    const char* name;
    int variant;
    const char* shows;  // the label that shows the words
};

// The words to digits mode of the written-number screen, the abacus to
// build and the blocks to draw.
constexpr WordsPlace kWordLabels[] = {
    {"FormScri", 1, "EtichettaNumero"},
    {"Form999a", 0, "EtichettaNumero"},
    {"Form999x", 0, "EtichettaNumero"},
};

TEST(WordsFit, TheLongestWordsOfEveryLanguageShowWholeOnEveryScreen)
{
    for (const WordsPlace& screen : kWordLabels)
        for (const WordsLanguage language : AllWordsLanguages)
            for (const int n : numbersWithLongestWords(language, 2))
                for (const bool large : {false, true}) {
                    TestApp t;
                    t.app.state.numberWordsLanguage = language;
                    t.app.state.largeText = large;
                    t.random.setFallback(0.0);
                    t.random.push({0.3, fractionDrawingWords(n)});
                    t.open(QString::fromLatin1(screen.name), screen.variant);
                    const auto* label = t.find<QLabel>(QString::fromLatin1(screen.shows));
                    const QString words = numberInWords(n, language);
                    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
                        t.resize(size);
                        SCOPED_TRACE(testing::Message() << screen.name << ", " << n << " in language "
                                                        << int(language) << (large ? ", large text" : "")
                                                        << " at " << size.width() << "x" << size.height());
                        ASSERT_TRUE(label->text().contains(words)) << label->text().toStdString();
                        EXPECT_TRUE(isShownWhole(label, label->text(), label->wordWrap()));
                    }
                }
}

// The boxes where a child types the words: the whole answer in view.
constexpr WordsPlace kWordBoxes[] = {
    {"FormScri2", 0, "Text1"},
    {"Form999z", 0, "Text1"},
    {"Form999b1", 0, "TestoNumero"},
};

TEST(WordsFit, TheLongestWordsTypedStayInViewInTheAnswerBox)
{
    for (const WordsPlace& screen : kWordBoxes)
        for (const WordsLanguage language : AllWordsLanguages)
            for (const bool large : {false, true}) {
                TestApp t;
                t.app.state.numberWordsLanguage = language;
                t.app.state.largeText = large;
                t.random.setFallback(0.3);
                t.open(QString::fromLatin1(screen.name), screen.variant);
                auto* box = t.find<QLineEdit>(QString::fromLatin1(screen.shows));
                const int n = numbersWithLongestWords(language, 1).front();
                box->setText(numberInWords(n, language));
                for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
                    t.resize(size);
                    SCOPED_TRACE(testing::Message() << screen.name << ", " << n << " in language "
                                                    << int(language) << (large ? ", large text" : "")
                                                    << " at " << size.width() << "x" << size.height());
                    EXPECT_EQ(box->text(), numberInWords(n, language));
                    // The frame and the line edit's own margins take a few pixels.
                    EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(box->text()), box->width() - 8);
                }
            }
}

}  // namespace
