// SPDX-License-Identifier: GPL-3.0-or-later
// Timed steps run on the program's clock for an owner: a sequence of frames
// shows in order, the screen stays usable in between, and leaving or
// quitting in the middle of a sequence runs nothing more.
#include "exercises/frame/ExerciseScreen.h"
#include "app/SteadyClock.h"
#include "framework/FramePlayer.h"
#include "support/TestApp.h"

#include <memory>

namespace {

const ExerciseRow& playingRow()
{
    static const ExerciseRow row{.designName = "FormPlaying",
                                 .title = "",
                                 .design = {9000, 6000},
                                 .frame = {.menu = QStringLiteral("FormMenuNumeri"), .boxAt = {6000, 120}}};
    return row;
}

// An exercise screen that plays five frames 0.3 s apart when asked.
class PlayingScreen : public ExerciseScreen
{
public:
    explicit PlayingScreen(AppContext& app, std::shared_ptr<std::vector<int>> log)
        : ExerciseScreen(app, playingRow()), log_(std::move(log)),
          player(new FramePlayer(app.clock, this))
    {
    }
    void startSequence()
    {
        player->play(5, 0.3, [this](int frame) { log_->push_back(frame); }, [this] { log_->push_back(-1); });
    }

protected:
    void newProblem() override {}

private:
    std::shared_ptr<std::vector<int>> log_;

public:
    FramePlayer* player;
};

class TimedSteps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.random.setFallback(0.5);
        t.app.navigator.add(QStringLiteral("FormPlaying"),
                            [log = log](AppContext& a) -> Screen* { return new PlayingScreen(a, log); });
        t.open(QStringLiteral("FormPlaying"));
        screen()->startSequence();
    }
    PlayingScreen* screen() { return static_cast<PlayingScreen*>(t.current()); }

    TestApp t;
    std::shared_ptr<std::vector<int>> log = std::make_shared<std::vector<int>>();
};

TEST_F(TimedSteps, FramesShowInOrderAtTheirTimesThenTheSequenceFinishes)
{
    EXPECT_EQ(*log, (std::vector<int>{0}));  // the first frame at once
    EXPECT_TRUE(screen()->player->isPlaying());
    t.clock.advance(0.29);
    EXPECT_EQ(*log, (std::vector<int>{0}));
    t.clock.advance(0.01);
    EXPECT_EQ(*log, (std::vector<int>{0, 1}));
    t.clock.advance(0.9);
    EXPECT_EQ(*log, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(screen()->player->isPlaying());
    t.clock.advance(0.3);  // one interval after the last frame
    EXPECT_EQ(*log, (std::vector<int>{0, 1, 2, 3, 4, -1}));
    EXPECT_FALSE(screen()->player->isPlaying());
    EXPECT_EQ(t.clock.pending(), 0);
}

TEST_F(TimedSteps, StoppedOrRestartedSequenceLeavesNoStrayFrames)
{
    t.clock.advance(0.3);
    screen()->player->stop();
    t.clock.advance(5);
    EXPECT_EQ(*log, (std::vector<int>{0, 1}));

    log->clear();
    screen()->startSequence();
    t.clock.advance(0.3);
    screen()->startSequence();  // a new sequence replaces the one under way
    t.clock.advance(5);
    EXPECT_EQ(*log, (std::vector<int>{0, 1, 0, 1, 2, 3, 4, -1}));
}

TEST_F(TimedSteps, LeavingBetweenTwoFramesRunsNothingMore)
{
    t.clock.advance(0.3);
    t.dialogs.answers.push_back(true);  // Yes to the exit question
    t.trigger(QStringLiteral("mnuEsci"));
    ASSERT_EQ(t.currentName(), "FormMenuNumeri");
    EXPECT_EQ(TestApp::screenCount(), 1);
    t.clock.advance(10);
    EXPECT_EQ(*log, (std::vector<int>{0, 1}));
    EXPECT_EQ(t.clock.pending(), 0);
}

TEST_F(TimedSteps, QuittingBetweenTwoFramesRunsNothingMore)
{
    t.clock.advance(0.6);
    t.dialogs.answers.push_back(true);
    screen()->close();  // the window's close command asks the exit question
    ASSERT_EQ(t.currentName(), "FormMenuNumeri");
    t.app.navigator.closeAll();
    TestApp::flush();
    t.clock.advance(10);
    EXPECT_EQ(*log, (std::vector<int>{0, 1, 2}));
}

} // namespace

namespace {

// The program's clock: a timed step runs from the event loop after its time,
// and never for an owner that is gone.
TEST(SteadyClockTest, StepsRunAfterTheirTimeOnlyWhileTheirOwnerLives)
{
    SteadyClock clock;
    QObject kept;
    auto gone = std::make_unique<QObject>();
    int ran = 0, stray = 0;
    const double start = clock.seconds();
    double ranAt = 0;
    clock.after(&kept, 0.05, [&] { ++ran; ranAt = clock.seconds(); });
    clock.after(gone.get(), 0.01, [&] { ++stray; });
    clock.after(nullptr, 0.01, [&] { ++stray; });
    gone.reset();
    EXPECT_EQ(ran, 0);  // nothing runs inside after()
    QTRY_COMPARE_WITH_TIMEOUT(ran, 1, 2000);
    EXPECT_GE(ranAt - start, 0.05);
    QTest::qWait(30);
    EXPECT_EQ(stray, 0);
}

} // namespace
