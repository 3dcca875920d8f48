// SPDX-License-Identifier: GPL-3.0-or-later
// The frame around the focused control: where it stands, how thick it is,
// and that it shows on every colour the program paints.
#include "framework/FocusFrame.h"
#include "support/TestApp.h"
#include "support/Wcag.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {

class FocusScreen : public Screen
{
public:
    explicit FocusScreen(AppContext& app) : Screen(app, QStringLiteral("FormFuoco"), 9000, 6000)
    {
        box = place(new QLineEdit(), QStringLiteral("Casella"), at(1200, 1200, 1500, 600));
        button = place(new QPushButton(QStringLiteral("vai")), QStringLiteral("Vai"), at(4200, 1200, 1500, 600));
        frame = findChild<FocusFrame*>();
    }
    QLineEdit* box;
    QPushButton* button;
    FocusFrame* frame;
};

class FocusFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.app.navigator.add(QStringLiteral("FormFuoco"), [](AppContext& a) -> Screen* { return new FocusScreen(a); });
        t.open(QStringLiteral("FormFuoco"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(s()));
        ASSERT_NE(s()->frame, nullptr);
    }
    FocusScreen* s() { return static_cast<FocusScreen*>(t.current()); }
    TestApp t{TestApp::Screens::None};
};

TEST_F(FocusFrameTest, TheFrameLiesAroundTheFocusedControlAndFollowsIt)
{
    s()->button->setFocus();
    FocusFrame* f = s()->frame;
    EXPECT_EQ(f->framed(), s()->button);
    ASSERT_TRUE(f->isVisible());
    const int th = f->thickness();
    EXPECT_EQ(f->geometry(), s()->button->geometry().adjusted(-th, -th, th, th));

    // Drawn in its two rings on the canvas, the control inside untouched.
    s()->setBackground(QColor(255, 128, 0));
    const QImage shot = s()->canvas()->grab().toImage();
    const QRect g = f->geometry();
    EXPECT_EQ(QColor(shot.pixel(g.left(), g.center().y())), FocusFrame::Outer);
    EXPECT_EQ(QColor(shot.pixel(g.left() + th - 1, g.center().y())), FocusFrame::Inner);
    EXPECT_EQ(QColor(shot.pixel(g.center().x(), g.top())), FocusFrame::Outer);
    EXPECT_EQ(QColor(shot.pixel(g.left() - 1, g.center().y())), QColor(255, 128, 0));
    EXPECT_EQ(s()->canvas()->childAt(s()->button->geometry().center()), s()->button);  // clicks pass

    // It goes with the focus, and with the control when the screen rescales.
    s()->box->setFocus();
    EXPECT_EQ(f->framed(), s()->box);
    t.resize(s()->size() * 3 / 2);
    const int thicker = f->thickness();
    EXPECT_GT(thicker, th);
    EXPECT_EQ(thicker, std::max(FocusFrame::MinimumThickness, qRound(FocusFrame::ThicknessTwips * s()->scale().y())));
    EXPECT_EQ(f->geometry(), s()->box->geometry().adjusted(-thicker, -thicker, thicker, thicker));

    s()->box->clearFocus();
    EXPECT_FALSE(f->isVisible());
}

TEST_F(FocusFrameTest, OneOfItsRingsStandsOutOnEveryColourTheProgramPaints)
{
    QList<QColor> colours;
    for (int slot = 0; slot < 18; ++slot)
        colours << TestApp::colourFor((slot + 0.5) / 18);  // the backgrounds
    colours << QColor(255, 255, 0) << QColor(255, 0, 0) << QColor(0, 0, 255)     // columns
            << QColor(255, 0, 255) << QColor(255, 128, 255) << QColor(204, 236, 255)
            << QColor(192, 255, 192) << QColor(0, 192, 0) << QColor(255, 255, 192)  // tables, squares
            << QColor(255, 220, 0) << Qt::white << Qt::black << QColor(240, 240, 240);
    for (const QColor& c : colours)
        EXPECT_GE(std::max(wcagContrast(FocusFrame::Outer, c), wcagContrast(FocusFrame::Inner, c)), 4.5) << c.name().toStdString();
}

TEST_F(FocusFrameTest, ScreenReadersDoNotMeetTheFrame)
{
    s()->button->setFocus();
    ASSERT_TRUE(s()->frame->isVisible());
    QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(s()->canvas());
    ASSERT_NE(canvas, nullptr);
    QList<QObject*> seen;
    for (int i = 0; i < canvas->childCount(); ++i)
        if (QAccessibleInterface* child = canvas->child(i))
            seen << child->object();
    EXPECT_TRUE(seen.contains(s()->button));
    EXPECT_FALSE(seen.contains(s()->frame));
}

} // namespace
