// SPDX-License-Identifier: GPL-3.0-or-later
// "Voce" on the main menu: on by default, kept for the next start like
// large text, and switching it (or the sounds) off silences the voice.
#include "app/Startup.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QFile>

TEST(VoiceSwitch, OnByDefaultAndKeptForTheNextStart)
{
    QByteArray settings;
    {
        TestApp t;
        t.random.setFallback(0.3);
        t.writeSettings(QStringLiteral("Italiano"));
        startProgram(t.app);
        EXPECT_TRUE(t.app.state.voiceOn) << "on when the settings say nothing";
        t.open(QStringLiteral("FormMenu"));
        auto* box = t.find<QCheckBox>(QStringLiteral("CheckVoce"));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(box->isChecked());
        t.click(QStringLiteral("CheckVoce"));
        EXPECT_FALSE(t.app.state.voiceOn);
        EXPECT_EQ(t.voice.stops, 1) << "what is being said stops";
        settings = t.readFile(QStringLiteral("LangSetting.ini"));
        EXPECT_TRUE(settings.contains("CurrentLanguage=")) << settings.constData();  // the language stays
        // The sounds switch stops the voice too, and is not kept.
        t.click(QStringLiteral("Check1"));
        EXPECT_FALSE(t.app.state.soundsOn);
        EXPECT_EQ(t.voice.stops, 2);
    }
    TestApp again;
    again.random.setFallback(0.3);
    again.writeFile(QStringLiteral("LangSetting.ini"), settings);
    startProgram(again.app);
    EXPECT_FALSE(again.app.state.voiceOn);
    again.open(QStringLiteral("FormMenu"));
    EXPECT_FALSE(again.find<QCheckBox>(QStringLiteral("CheckVoce"))->isChecked());
    again.click(QStringLiteral("CheckVoce"));
    EXPECT_TRUE(again.app.state.voiceOn);
    EXPECT_TRUE(again.app.strings.readVoice()) << again.readFile(QStringLiteral("LangSetting.ini")).constData();
}
