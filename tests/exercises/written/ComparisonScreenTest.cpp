// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestApp.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The fraction that floor(999 r) + 1 turns into n.
double fractionFor(int n)
{
    return (n - 1 + 0.5) / 999.0;
}

enum { Greater = 0, Less = 1, Equal = 2 };

struct ComparisonScreen
{
    TestApp t;

    ComparisonScreen(int left, int right, double colour = 0.2)
    {
        t.random.setFallback(0.0);  // praise sounds are drawn too
        t.random.push({fractionFor(left), fractionFor(right), colour});
        t.open(QStringLiteral("FormMM"));
    }
    QString number(int i) const { return t.find<QLabel>(QStringLiteral("EtNumero"), i)->text(); }
    QLabel* sign() const { return t.find<QLabel>(QStringLiteral("Label3")); }
    QPushButton* button(int i) const { return t.find<QPushButton>(QStringLiteral("Comando"), i); }
    QPushButton* next() const { return t.find<QPushButton>(QStringLiteral("BottoneAvanti")); }
    QString right() const { return t.find<QLabel>(QStringLiteral("EtichettaEsatti"))->text(); }
    QString wrong() const { return t.find<QLabel>(QStringLiteral("EtichettaErrati"))->text(); }
    void choose(int i) { t.click(QStringLiteral("Comando"), i); }
};

TEST(ComparisonScreen, OnlyTheTrueSignCountsRight)
{
    struct Case { int left, right, sign; const char* caption; };
    for (const Case c : {Case{500, 50, Greater, ">"}, Case{50, 500, Less, "<"}, Case{7, 7, Equal, "="}}) {
        SCOPED_TRACE(testing::Message() << c.left << " vs " << c.right);
        ComparisonScreen s(c.left, c.right);
        EXPECT_EQ(s.number(0), QString::number(c.left));
        EXPECT_EQ(s.number(1), QString::number(c.right));
        EXPECT_FALSE(s.sign()->isVisible());
        int wrongs = 0;
        for (int i = 0; i < 3; ++i)
            if (i != c.sign) {
                s.choose(i);
                ++wrongs;
                EXPECT_EQ(s.wrong(), QStringLiteral(" %1").arg(wrongs));
                EXPECT_FALSE(s.next()->isEnabled());
            }
        s.choose(c.sign);
        EXPECT_EQ(s.right(), QStringLiteral(" 1"));
        EXPECT_EQ(s.wrong(), QStringLiteral(" 2"));
        EXPECT_TRUE(s.sign()->isVisible());
        EXPECT_EQ(s.sign()->text(), QString::fromLatin1(c.caption));
        EXPECT_TRUE(s.next()->isEnabled());
    }
}

TEST(ComparisonScreen, EveryWrongClickCountsAndNoSignReactsAfterTheRightOne)
{
    ComparisonScreen s(500, 50);
    for (int k = 0; k < 3; ++k)
        s.choose(Less);
    EXPECT_EQ(s.wrong(), QStringLiteral(" 3"));
    EXPECT_EQ(s.t.player.played.size(), 3);
    s.choose(Greater);
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));

    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(s.button(i)->isEnabled());
        s.choose(i);
    }
    EXPECT_EQ(s.right(), QStringLiteral(" 1"));
    EXPECT_EQ(s.wrong(), QStringLiteral(" 3"));
    EXPECT_EQ(s.t.player.played.size(), 4);

    s.t.random.push({fractionFor(1), fractionFor(999), 0.7});
    s.t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(s.number(0), QStringLiteral("1"));
    EXPECT_EQ(s.number(1), QStringLiteral("999"));
    EXPECT_EQ(s.t.current()->background(), TestApp::colourFor(0.7));
    EXPECT_FALSE(s.sign()->isVisible());
    EXPECT_FALSE(s.next()->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(s.button(i)->isEnabled());
    s.choose(Less);
    EXPECT_EQ(s.right(), QStringLiteral(" 2"));
}

} // namespace
