// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Pin.h"
#include "results/PinWork.h"

#include <QSignalSpy>
#include <QTest>

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

TEST(PinWork, TheDerivationRunsAsideAndItsResultComesThroughTheEventLoop)
{
    const QString stored = pin::hash(QStringLiteral("2468"), 1000);
    PinWork work;
    QSignalSpy checked(&work, &PinWork::checked);
    ASSERT_TRUE(work.check(QStringLiteral("2468"), stored));
    // The caller is free at once; nothing comes back until its loop runs,
    // and no second piece of work starts meanwhile.
    EXPECT_TRUE(work.busy());
    EXPECT_FALSE(work.check(QStringLiteral("1111"), stored));
    EXPECT_FALSE(work.hash(QStringLiteral("1111")));
    EXPECT_EQ(checked.count(), 0);
    ASSERT_TRUE(checked.wait(20000));
    EXPECT_EQ(checked.takeFirst().at(0).toBool(), true);
    EXPECT_FALSE(work.busy());

    ASSERT_TRUE(work.check(QStringLiteral("1111"), stored));
    ASSERT_TRUE(checked.wait(20000));
    EXPECT_EQ(checked.takeFirst().at(0).toBool(), false);

    QSignalSpy hashed(&work, &PinWork::hashed);
    ASSERT_TRUE(work.hash(QStringLiteral("13579")));
    EXPECT_EQ(hashed.count(), 0);
    ASSERT_TRUE(hashed.wait(20000));
    EXPECT_TRUE(pin::verify(QStringLiteral("13579"), hashed.at(0).at(0).toString()));
    EXPECT_EQ(checked.count(), 0);
}

TEST(PinWork, DestroyedWhileWorkingItWaitsAndSaysNothing)
{
    int heard = 0;
    QObject listener;
    {
        PinWork work;
        QObject::connect(&work, &PinWork::checked, &listener, [&] { ++heard; });
        ASSERT_TRUE(work.check(QStringLiteral("2468"), pin::hash(QStringLiteral("2468"))));
    }   // the window closed, the program quitting
    QTest::qWait(50);
    EXPECT_EQ(heard, 0);
}
