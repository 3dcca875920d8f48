// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Pin.h"

#include <gtest/gtest.h>

TEST(Pin, OnlyTheSamePinMatchesItsSaltedHash)
{
    const QString stored = pin::hash(QStringLiteral("2468"), 1000);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("pbkdf2-sha256$1000$")));
    EXPECT_FALSE(stored.contains(QStringLiteral("2468")));
    EXPECT_TRUE(pin::verify(QStringLiteral("2468"), stored));
    for (const char* wrong : {"2469", "24680", "", " 2468"})
        EXPECT_FALSE(pin::verify(QLatin1String(wrong), stored)) << wrong;
    // A fresh salt each time: the same PIN never gives the same text.
    EXPECT_NE(pin::hash(QStringLiteral("2468"), 1000), stored);
    for (const QString& broken : {QString(), QStringLiteral("2468"), QStringLiteral("md5$1$x$y"),
                                  QStringLiteral("pbkdf2-sha256$0$AAAA$AAAA"),
                                  QString(stored).replace(QStringLiteral("$1000$"), QStringLiteral("$999$"))})
        EXPECT_FALSE(pin::verify(QStringLiteral("2468"), broken)) << broken.toStdString();
}

TEST(Pin, TheDefaultDerivationIsSlow)
{
    const QString stored = pin::hash(QStringLiteral("1357"));
    EXPECT_TRUE(stored.startsWith(QStringLiteral("pbkdf2-sha256$%1$").arg(pin::defaultIterations)));
    EXPECT_GE(pin::defaultIterations, 100000);
    EXPECT_TRUE(pin::verify(QStringLiteral("1357"), stored));
}

TEST(Pin, AcceptablePins)
{
    EXPECT_TRUE(pin::acceptable(QStringLiteral("1234")));
    EXPECT_TRUE(pin::acceptable(QStringLiteral("maestra")));
    EXPECT_FALSE(pin::acceptable(QStringLiteral("123")));
    EXPECT_FALSE(pin::acceptable(QStringLiteral(" 1234")));
    EXPECT_FALSE(pin::acceptable(QString(33, QLatin1Char('1'))));
}

TEST(PinGate, FiveWrongTriesWaitAMinute)
{
    double now = 100.0;
    PinGate gate([&] { return now; });
    const QString stored = pin::hash(QStringLiteral("2468"), 100);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(gate.attempt(QStringLiteral("0000"), stored), PinGate::Outcome::Wrong);
    EXPECT_EQ(gate.attempt(QStringLiteral("2468"), stored), PinGate::Outcome::Right);   // starts again
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(gate.attempt(QStringLiteral("1111"), stored), PinGate::Outcome::Wrong);
    EXPECT_DOUBLE_EQ(gate.secondsToWait(), 60.0);
    now += 59.5;
    EXPECT_EQ(gate.attempt(QStringLiteral("2468"), stored), PinGate::Outcome::Waiting);   // even the right one
    now += 0.5;
    EXPECT_DOUBLE_EQ(gate.secondsToWait(), 0.0);
    EXPECT_EQ(gate.attempt(QStringLiteral("2468"), stored), PinGate::Outcome::Right);
}
