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

TEST(Pin, TheDerivationGivesThePublishedPbkdf2HmacSha256Keys)
{
    struct Case
    {
        const char* password;
        const char* salt;
        int iterations;
        int length;
        const char* keyHex;
    };
    // RFC 7914's vectors (keys of two blocks) and the usual one of a block.
    const Case cases[] = {
        {"passwd", "salt", 1, 64,
         "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
         "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"},
        {"Password", "NaCl", 80000, 64,
         "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
         "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d"},
        {"password", "salt", 4096, 32, "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
        {"password", "salt", 4096, 20, "c5e478d59288c841aa530db6845c4c8d962893a0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pin::pbkdf2Sha256(c.password, c.salt, c.iterations, c.length).toHex(), QByteArray(c.keyHex))
            << c.password << " " << c.iterations;
    EXPECT_TRUE(pin::pbkdf2Sha256("password", "salt", 0, 32).isEmpty());
}

TEST(Pin, PinsStoredByEarlierVersionsStillMatch)
{
    // Written by the program when it derived its keys through Qt Network's
    // digestor; the second PIN is not ASCII (it is derived from its UTF-8).
    const QString stored[][2] = {
        {QStringLiteral("2468"),
         QStringLiteral("pbkdf2-sha256$1000$jzocXnstT2CBo8XnCStNbw==$AlRMFm9KcyVfS/m4IH8guLnWxa9fZlgNAtDvcLiRlt4=")},
        {QStringLiteral("ma\u00e8stra\u20ac"),
         QStringLiteral("pbkdf2-sha256$1000$jzocXnstT2CBo8XnCStNbw==$8RtNj3z3/MPPMJQrzVAOCCeYY/cbub4P9LefqDnwMSk=")},
    };
    for (const auto& [pin, hash] : stored) {
        EXPECT_TRUE(pin::verify(pin, hash)) << hash.toStdString();
        EXPECT_FALSE(pin::verify(pin + QLatin1Char('0'), hash)) << hash.toStdString();
    }
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
