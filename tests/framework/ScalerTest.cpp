// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/LayoutScaler.h"
#include "menus/StartScreen.h"
#include "menus/MainMenu.h"
#include "menus/PicturesMenu.h"
#include "menus/NumbersMenu.h"
#include "support/TestApp.h"

#include <QLabel>
#include <cmath>

namespace {

TEST(ScaleGeometry, DesignShownTwiceAsWideAndOneAndAHalfAsHigh)
{
    const DesignGeometry design{600, 1200, 2535, 615};
    EXPECT_EQ(scaleGeometry(design, design, "", 2.0, 1.5), (DesignGeometry{1200, 1800, 5070, 922.5}));
}

TEST(ScaleGeometry, TagsChooseWhatIsScaled)
{
    const DesignGeometry design{100, 200, 300, 400};
    const DesignGeometry now{7, 8, 9, 10};
    struct Case { const char* tag; DesignGeometry expected; };
    for (const Case& c : {Case{"", {200, 600, 600, 1200}},
                          Case{"b", {200, 600, 600, 1200}},        // not "@": everything
                          Case{"LT", {200, 600, 600, 1200}},
                          Case{"@LT", {200, 600, 9, 10}},          // moves, keeps its size
                          Case{"@lt", {200, 600, 9, 10}},          // upper-cased first
                          Case{"@WH", {7, 8, 600, 1200}},          // sizes, keeps its place
                          Case{"@", {7, 8, 9, 10}},                // frozen
                          Case{"@ALTO", {200, 600, 9, 10}},        // letters anywhere
                          Case{"@L,T,W,H", {200, 600, 600, 1200}}})
        EXPECT_EQ(scaleGeometry(design, now, QString::fromLatin1(c.tag), 2.0, 3.0), c.expected) << c.tag;
}

TEST(FormPlacement, ThreeQuartersOfTheDisplayInTheMiddle)
{
    EXPECT_EQ(formPlacement(75, {15360, 11520}), QRectF(1920, 1440, 11520, 8640));
    // Whole units, rounded down.
    EXPECT_EQ(formPlacement(75, {1366, 767}), QRectF(171, 96, 1024, 575));
}

// A screen with one label at a known design place, not loaded: the tests
// drive its scaler by hand.
class OneLabel : public Screen
{
public:
    explicit OneLabel(AppContext& app) : Screen(app, "FormProva", 9000, 6000)
    {
        label = place(new QLabel("x"), "Label1", at(600, 1200, 2535, 615));
    }
    QLabel* label;
};

class Scaler : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen.show();
        screen.resize(600, 400);
        QCoreApplication::processEvents();
        ASSERT_EQ(screen.clientSize(), QSize(600, 400));
        scaler.setSource(screen.canvas(), [this] { return screen.controls(); });
    }
    void resizeTo(int w, int h)
    {
        screen.resize(w, h);
        QCoreApplication::processEvents();
        ASSERT_EQ(screen.clientSize(), QSize(w, h));
    }
    TestApp t;
    OneLabel screen{t.app};
    LayoutScaler scaler;
    const QRect design = twips::rect(600, 1200, 2535, 615);
};

TEST_F(Scaler, FirstResizeOnlyCaptures)
{
    ASSERT_TRUE(scaler.needsCapture());
    screen.label->move(3, 4);
    scaler.resizeControls();
    EXPECT_FALSE(scaler.needsCapture());
    EXPECT_EQ(screen.label->pos(), QPoint(3, 4));
    EXPECT_EQ(scaler.originalSize(), QSizeF(600, 400));
}

TEST_F(Scaler, ScalesFromTheRecordsAndPutsMovedControlsBack)
{
    scaler.resizeControls();
    resizeTo(1200, 600);
    scaler.resizeControls();
    const QRect doubled(80, 120, 338, 62);  // 169 x 2, 41 x 1.5 rounded
    EXPECT_EQ(screen.label->geometry(), doubled);

    screen.label->move(0, 0);  // moved by program code
    scaler.resizeControls();
    EXPECT_EQ(screen.label->geometry(), doubled);

    // Many odd sizes later, the design size gives the design place exactly.
    for (int i = 1; i < 20; ++i) {
        resizeTo(600 + 37 * i, 400 + 23 * i);
        scaler.resizeControls();
    }
    resizeTo(600, 400);
    scaler.resizeControls();
    EXPECT_EQ(screen.label->geometry(), design);
}

TEST_F(Scaler, ScreenWithoutControlsOrMinimisedIsLeftAlone)
{
    scaler.resizeControls();
    resizeTo(1200, 600);
    screen.showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(screen.isMinimized());
    scaler.resizeControls();
    EXPECT_EQ(screen.label->geometry(), design);
    Screen empty(t.app, "FormVuota", 9000, 6000);
    LayoutScaler other;
    other.setSource(empty.canvas(), [&empty] { return empty.controls(); });
    other.resizeControls();
    EXPECT_TRUE(other.needsCapture());
}

template <class S>
void expectScaledDesign(const char* name)
{
    TestApp t;
    t.random.setFallback(0.0);
    Screen* s = t.open(name);
    QCoreApplication::processEvents();
    ASSERT_EQ(s->geometry().size(), s->displaySize()) << name;
    const QSizeF original = s->scaler()->originalSize();
    const double fx = s->clientSize().width() / original.width();
    const double fy = s->clientSize().height() / original.height();
    S design(t.app);  // the same screen, straight from its design
    int compared = 0;
    for (QObject* c : s->controls())
        if (auto* w = qobject_cast<QWidget*>(c)) {
            const QRect d = design.template control<QWidget>(control::name(c), control::index(c))->geometry();
            const QRect expected(std::lround(d.x() * fx), std::lround(d.y() * fy), std::lround(d.width() * fx),
                                 std::lround(d.height() * fy));
            EXPECT_EQ(w->geometry(), expected) << name << " " << control::key(w).toStdString();
            ++compared;
        }
    EXPECT_GT(compared, 3);
}

TEST(ScalerOnScreens, EveryShellScreenFillsTheDisplayInProportion)
{
    expectScaledDesign<StartScreen>("FormAvvio");
    expectScaledDesign<MainMenu>("FormMenu");
    expectScaledDesign<NumbersMenu>("FormMenuNumeri");
    expectScaledDesign<PicturesMenu>("FormMenuGrafici");
}

} // namespace
