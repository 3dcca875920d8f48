// SPDX-License-Identifier: GPL-3.0-or-later
// "Testo grande": the texts grow with the screen when it is ticked, keep
// their design sizes when it is not, and the choice is kept for the next
// start.
#include "app/Startup.h"
#include "framework/TextSize.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>

namespace {

double points(const TestApp& t, const char* name)
{
    return t.find<QWidget>(QString::fromLatin1(name))->font().pointSizeF();
}

// The hint line of a column screen: bold 14.25 points by design.
constexpr double HintPoints = 14.25;

TEST(LargeText, ALabelGrowsWithTheScaleOnlyWhenTicked)
{
    TestApp t;
    t.random.setFallback(0.3);
    t.open(QStringLiteral("FormColb"));
    t.resize(QSize(1920, 1080));
    EXPECT_EQ(points(t, "Label3"), HintPoints);  // off: the design size at any size

    t.app.state.largeText = true;
    t.current()->rescaleText();
    const double factor = textsize::factorFor(t.current()->scale());
    EXPECT_GT(factor, 2);
    const double grown = points(t, "Label3");
    EXPECT_GT(grown, HintPoints * 1.5);
    EXPECT_LE(grown, HintPoints * factor + 0.01);
    EXPECT_GT(t.current()->menuBar()->font().pointSizeF(), 12 * 1.5);
    // A smaller display, smaller text; never below the design size.
    t.resize(QSize(640, 480));
    EXPECT_LT(points(t, "Label3"), grown);
    EXPECT_GE(points(t, "Label3"), HintPoints);

    // Unticked again: every font back at its design size.
    t.resize(QSize(1920, 1080));
    t.app.state.largeText = false;
    t.current()->rescaleText();
    EXPECT_EQ(points(t, "Label3"), HintPoints);
    EXPECT_EQ(t.current()->menuBar()->font().pointSizeF(), 12);
}

TEST(LargeText, ATextThatWouldNotFitShrinksToItsBoxButNotBelowItsDesignSize)
{
    TestApp t;
    t.random.setFallback(0.3);
    t.app.state.largeText = true;
    t.open(QStringLiteral("FormColb"));
    t.resize(QSize(1920, 1080));
    auto* hint = t.find<QLabel>(QStringLiteral("Label3"));
    hint->setText(QStringLiteral("Trascina le cifre del primo numero."));
    QCoreApplication::sendPostedEvents();
    const double roomy = hint->font().pointSizeF();
    EXPECT_TRUE(textsize::fits(hint, hint->font()));
    // A long text in the same box, fitted again once the change is seen.
    hint->setText(hint->text().repeated(8));
    QCoreApplication::sendPostedEvents();  // as the event loop would
    EXPECT_LT(hint->font().pointSizeF(), roomy);
    EXPECT_GE(hint->font().pointSizeF(), HintPoints);
    EXPECT_TRUE(hint->font().pointSizeF() == HintPoints || textsize::fits(hint, hint->font()));
}

TEST(LargeText, TheTickBoxIsKeptForTheNextStart)
{
    QByteArray settings;
    {
        TestApp t;
        t.random.setFallback(0.3);
        t.writeSettings(QStringLiteral("Italiano"));
        t.open(QStringLiteral("FormMenu"));
        auto* box = t.find<QCheckBox>(QStringLiteral("CheckTestoGrande"));
        EXPECT_FALSE(box->isChecked());
        box->click();
        EXPECT_TRUE(t.app.state.largeText);
        QFile f(t.path(QStringLiteral("LangSetting.ini")));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        settings = f.readAll();
        EXPECT_TRUE(settings.contains("CurrentLanguage=")) << settings.constData();  // the language stays
    }
    TestApp again;
    again.random.setFallback(0.3);
    {
        QFile f(again.path(QStringLiteral("LangSetting.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(settings);
    }
    startProgram(again.app);
    EXPECT_TRUE(again.app.state.largeText);
    again.open(QStringLiteral("FormMenu"));
    EXPECT_TRUE(again.find<QCheckBox>(QStringLiteral("CheckTestoGrande"))->isChecked());
    again.open(QStringLiteral("FormColb"));
    again.resize(QSize(1920, 1080));
    EXPECT_GT(points(again, "Label3"), HintPoints * 1.5);
}

TEST(LargeText, OnUnlessTheUserOrTheMachinesAdministratorTurnedItOff)
{
    struct Case
    {
        const char* userSays;     // the user's own [Display] LargeText, or none
        const char* machineSays;  // the machine-wide file's, or none
        bool on;
    };
    const Case cases[] = {
        {nullptr, nullptr, true},   // nothing set: on
        {nullptr, "0", false},      // the administrator's default
        {nullptr, "1", true},
        {nullptr, "perhaps", true}, // a value that means nothing is no choice
        {"1", "0", true},           // the user's choice wins
        {"0", nullptr, false},
        {"0", "1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.userSays ? c.userSays : "-") << " / "
                                        << (c.machineSays ? c.machineSays : "-"));
        TestApp t;
        t.random.setFallback(0.3);
        QByteArray settings = "[Language]\nCurrentLanguage=\"Italiano\"\n";
        if (c.userSays)
            settings += QByteArray("[Display]\nLargeText=\"") + c.userSays + "\"\n";
        t.writeFile(QStringLiteral("LangSetting.ini"), settings);
        if (c.machineSays) {
            t.writeFile(QStringLiteral("machine.ini"),
                        QByteArray("[Results]\n[Display]\nLargeText=") + c.machineSays + "\n");
            t.app.strings.useSystemSettings(t.path(QStringLiteral("machine.ini")));
        }
        startProgram(t.app);
        EXPECT_EQ(t.app.state.largeText, c.on);
        t.open(QStringLiteral("FormMenu"));
        EXPECT_EQ(t.find<QCheckBox>(QStringLiteral("CheckTestoGrande"))->isChecked(), c.on);
    }
}

} // namespace
