// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusScreenFixture.h"

#include <random>

// Every abacus button of the graphic menu opens its real screen, and the
// screen's exit leads back to the menu.
TEST(AbacusMenu, EveryAbacusButtonOpensItsScreen)
{
    TestApp t;
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 0; i < 2000; ++i)
        t.random.push(fraction(generator));
    t.random.setFallback(0.5);
    t.app.state.numberWordsLanguage = WordsLanguage::Italian;
    const std::pair<const char*, const char*> buttons[] = {
        {"Command13", "Form999sem"}, {"Command4", "Form999a"},   {"Command7", "Form999b1"},
        {"Command5", "Form999b"},    {"Command16", "Form999c"},  {"Command25", "Form999c1"},
        {"Command14", "Form999c2"},  {"Command15", "Form999c3"}, {"Command28", "Form999d"},
        {"Command19", "Form999d1"},  {"Command18", "Form999d2"}, {"Command17", "Form999d3"},
    };
    for (const auto& [button, screen] : buttons) {
        t.open(QStringLiteral("FormMenuGrafici"));
        EXPECT_TRUE(abacustest::enabled(t, button)) << button;
        t.click(QString::fromLatin1(button));
        EXPECT_EQ(t.currentName(), QString::fromLatin1(screen)) << button;
        t.dialogs.answers.push_back(true);
        t.trigger(QStringLiteral("mnuEsci"));
        EXPECT_EQ(t.currentName(), QStringLiteral("FormMenuGrafici")) << screen;
    }
}
