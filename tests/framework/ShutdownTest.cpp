// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenCatalog.h"
#include "support/TestApp.h"

namespace {

// When the program context goes, its screens go with it at once, the one on
// show and one still waiting for its deferred delete: nothing is left to
// run later against a context that no longer exists.
TEST(Shutdown, TheProgramContextTakesItsScreensWithIt)
{
    ScriptedRandom random;
    random.setFallback(0.0);
    RecordingPlayer player;
    ScriptedDialogs dialogs;
    FakeClock clock;
    QTemporaryDir folder;
    {
        AppContext app(random, player, dialogs, clock, folder.path());
        registerScreens(app.navigator);
        app.navigator.open("FormAvvio");
        app.navigator.open("FormMenu");
        ASSERT_EQ(TestApp::screenCount(), 2);
    }
    EXPECT_EQ(TestApp::screenCount(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
