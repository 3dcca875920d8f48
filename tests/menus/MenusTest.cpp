// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/PicturesMenu.h"
#include "app/Startup.h"
#include "framework/ProgramDialogs.h"
#include "support/TestApp.h"
#include "support/WordsLanguages.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>

namespace {

TEST(ShellRoads, StartToMainMenuToEachExerciseMenuAndBack)
{
    TestApp t;
    t.random.setFallback(0.0);
    startProgram(t.app);
    ASSERT_EQ(t.currentName(), "FormAvvio");

    struct Step { const char* button; const char* then; };
    const Step road[] = {{"BottoneAvvio", "FormMenu"}, {"Command3", "FormMenuNumeri"},
                         {"Command1", "FormMenu"},     {"Command2", "FormMenuGrafici"},
                         {"Command1", "FormMenu"}};
    for (const Step& s : road) {
        // What an exercise screen left behind is cleared by every menu.
        t.app.state.rightCount = 4;
        t.app.state.wrongCount = 2;
        t.click(s.button);
        ASSERT_EQ(t.currentName(), s.then) << "after " << s.button;
        EXPECT_EQ(TestApp::screenCount(), 1);
        EXPECT_EQ(t.app.state.rightCount, 0);
        EXPECT_EQ(t.app.state.wrongCount, 0);
        EXPECT_NE(t.current()->scaler(), nullptr);
        EXPECT_EQ(t.current()->geometry().size(), t.current()->displaySize());
    }
}

TEST(ShellRoads, EveryOpeningDrawsItsOwnBackground)
{
    TestApp t;
    const double draws[] = {0.05, 0.3, 0.55, 0.8, 0.95};
    for (double d : draws)
        t.random.push(d);
    const char* screens[] = {"FormAvvio", "FormMenu", "FormMenuNumeri", "FormMenuGrafici", "FormMenu"};
    for (int i = 0; i < 5; ++i) {
        t.open(screens[i]);
        EXPECT_EQ(t.current()->background(), TestApp::colourFor(draws[i])) << screens[i];
    }
    EXPECT_TRUE(t.random.empty());
    // The sounds switch does not show a patch of another colour: beside its
    // text the screen's own colour shows through.
    QWidget* check = t.find("Check1");
    const QImage shot = t.current()->canvas()->grab().toImage();
    const QPoint blank = check->geometry().topRight() + QPoint(-2, 2);
    EXPECT_EQ(shot.pixelColor(blank).rgb(), TestApp::colourFor(0.95).rgb());
    EXPECT_EQ(shot.pixelColor(QPoint(2, 2)).rgb(), TestApp::colourFor(0.95).rgb());
}

TEST(MainMenu, TheFirstExerciseCommandHasTheFocusAndTheTabOrderFollowsTheDesign)
{
    TestApp t;
    t.random.setFallback(0.0);
    t.open("FormMenu");
    QWidget* quit = t.find("Command1");
    EXPECT_EQ(t.current()->focusWidget(), t.find("Command2"));
    QStringList order;
    for (QWidget* w = quit->nextInFocusChain(); w != quit && order.size() < 5; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    EXPECT_EQ(order, (QStringList{"Command2", "Command3", "CheckVoce", "Check1", "CheckTestoGrande"}));
}

// Enter presses the focused push button on a menu as on an exercise, and a
// button without the focus stays unpressed.
TEST(MainMenu, EnterPressesTheFocusedButton)
{
    TestApp t;
    t.random.setFallback(0.0);
    t.open("FormMenu");
    t.dialogs.shown.clear();  // the notice that no language file exists
    t.dialogs.answers.push_back(false);
    t.key("Command1", Qt::Key_Enter);  // "Esci" asks first
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "question");
    EXPECT_EQ(t.currentName(), "FormMenu");

    t.key("Command3", Qt::Key_Return);
    EXPECT_EQ(t.currentName(), "FormMenuNumeri");
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

// Check boxes and option buttons take a click anywhere in their scaled box,
// far right of their letters too.
TEST(ChildStyle, TheWholeBoxOfATickBoxOrOptionTakesTheClick)
{
    // A choice's option closes its frame when clicked; the sounds switch ticks.
    struct Case { const char* screen; const char* open; const char* frame; const char* control; int index; };
    for (const Case c : {Case{"FormMenu", nullptr, nullptr, "Check1", -1},
                         Case{"FormOrd", "MenuQuantiNumeri", "EtNumeri", "Option3D1", 2},
                         Case{"FormScri2", "mnuNumeroMassimo", "CorniceNumeroMassimo", "OpzioneNumeroMassimo", 4}}) {
        SCOPED_TRACE(c.control);
        TestApp t;
        t.random.setFallback(0.0);
        t.open(c.screen);
        if (c.open)
            t.trigger(c.open);
        auto* box = t.find<QAbstractButton>(c.control, c.index);
        ASSERT_TRUE(box && box->isVisible());
        const bool before = box->isChecked();
        const QPoint farRight(box->width() - 2, box->height() - 2);
        // Outside the dot and letters, where a plain style would take clicks.
        QStyleOptionButton opt;
        opt.initFrom(box);
        opt.text = box->text();
        const bool radio = qobject_cast<QRadioButton*>(box);
        std::unique_ptr<QStyle> plain(QStyleFactory::create("Fusion"));
        ASSERT_FALSE(plain->subElementRect(radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect,
                                           &opt, box).contains(farRight));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, farRight);
        TestApp::flush();
        if (c.frame)
            EXPECT_FALSE(t.find(c.frame)->isVisible());
        else
            EXPECT_NE(box->isChecked(), before);
    }
}

TEST(MainMenu, SoundsSwitchFollowsTheStateAcrossOpenings)
{
    TestApp t;
    t.random.setFallback(0.0);
    t.open("FormMenu");
    EXPECT_TRUE(t.find<QCheckBox>("Check1")->isChecked());

    t.click("Check1");
    EXPECT_FALSE(t.app.state.soundsOn);
    t.click("Command3");
    t.click("Command1");
    ASSERT_EQ(t.currentName(), "FormMenu");
    EXPECT_FALSE(t.find<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(t.app.state.soundsOn);

    t.click("Check1");
    EXPECT_TRUE(t.app.state.soundsOn);
}

TEST(ConfirmQuit, NoLeavesTheMainMenuAsItWas)
{
    TestApp t;
    t.random.setFallback(0.3);
    t.writeLanguage("Italiano", "[Strings]\n0014=\"Vuoi uscire?\"\n");
    t.writeSettings("Italiano");
    Screen* menu = t.open("FormMenu");
    t.click("Check1");  // sounds off: the No must not undo it
    const QColor background = menu->background();
    LayoutScaler* scaler = menu->scaler();

    t.dialogs.answers = {false};
    t.click("Command1");

    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "question");
    EXPECT_EQ(t.dialogs.shown[0].title, "Contalandia");
    EXPECT_EQ(t.dialogs.shown[0].text, "Vuoi uscire?");
    EXPECT_EQ(t.current(), menu);
    EXPECT_FALSE(t.find<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(t.app.state.soundsOn);
    EXPECT_EQ(menu->background(), background);
    EXPECT_EQ(menu->scaler(), scaler);
    EXPECT_EQ(t.app.strings.currentLanguage(), "Italiano");
    EXPECT_EQ(t.quits, 0);
}

TEST(ConfirmQuit, YesClosesTheScreenAndEndsTheProgram)
{
    TestApp t;
    t.random.setFallback(0.3);
    t.open("FormMenu");
    t.dialogs.answers = {true};
    t.click("Command1");
    EXPECT_EQ(t.quits, 1);
    EXPECT_EQ(t.current(), nullptr);
    EXPECT_EQ(TestApp::screenCount(), 0);
    // Without a language file the question is asked with an empty text.
    EXPECT_EQ(t.dialogs.shown.back().text, "");
}

// The window system's close command never ends the program unasked: a menu
// asks the quit question, an exercise screen the exit question.
TEST(CloseCommand, AsksBeforeAnythingCloses)
{
    TestApp t;
    t.random.setFallback(0.3);
    t.useLanguage("Italiano", "[Strings]\n0014=\"Vuoi finire?\"\n");
    t.app.state.frameTexts.exitQuestion = "Vuoi uscire?";
    Screen* menu = t.open("FormMenu");
    t.dialogs.answers = {false};
    EXPECT_FALSE(menu->close());
    TestApp::flush();
    EXPECT_EQ(t.current(), menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(t.quits, 0);
    t.dialogs.answers = {true};
    menu->close();
    EXPECT_EQ(t.quits, 1);

    Screen* exercise = t.open("FormScri", 9);
    t.dialogs.answers = {false};
    exercise->close();
    TestApp::flush();
    EXPECT_EQ(t.current(), exercise);
    t.dialogs.answers = {true};
    exercise->close();
    TestApp::flush();
    EXPECT_EQ(t.currentName(), "FormMenuNumeri");
    EXPECT_EQ(t.quits, 1);
    QStringList asked;
    for (const auto& d : t.dialogs.shown)
        asked << d.text;
    EXPECT_EQ(asked, QStringList({"Vuoi finire?", "Vuoi finire?", "Vuoi uscire?", "Vuoi uscire?"}));
}

struct Target { const char* button; const char* screen; int exerciseType; };

void expectEveryButtonOpens(const char* menu, std::initializer_list<Target> targets)
{
    TestApp t;
    t.random.setFallback(0.0);
    for (const Target& x : targets)
        t.registerStub(x.screen);
    for (const Target& x : targets) {
        t.open(menu);
        t.app.state.exerciseType = 0;
        t.click(x.button);
        EXPECT_EQ(t.currentName(), x.screen) << x.button;
        EXPECT_EQ(t.app.state.exerciseType, x.exerciseType) << x.button;
    }
}

TEST(ExerciseMenus, NumbersMenuButtonsOpenTheirScreens)
{
    expectEveryButtonOpens("FormMenuNumeri", {
        {"Command6", "FormScri", 1}, {"Command36", "FormScri2", 0}, {"Command8", "FormScri", 2},
        {"Command7", "FormMM", 0}, {"Command9", "FormOrd", 0}, {"Command13", "FormScri", 3},
        {"Command12", "FormScri", 4}, {"Command11", "FormScri", 5}, {"Command10", "FormScri", 6},
        {"Command37", "FormScri", 7}, {"Command14", "FormScri", 8}, {"Command2", "FormScri", 9},
        {"Command15", "FormScri", 10}, {"Command3", "FormScri", 11}, {"Command16", "FormScri", 12},
        // The "meno" modes are numbered out of order.
        {"Command4", "FormScri", 16}, {"Command17", "FormScri", 14}, {"Command5", "FormScri", 15},
        {"Command18", "FormScri", 13}, {"Command26", "FormScri", 18}, {"Command19", "FormScri", 17},
        {"Command20", "FormScri", 19}, {"Command21", "FormScri", 20}, {"Command22", "FormScri", 21},
        {"Command23", "FormCola", 0}, {"Command31", "FormColc", 0}, {"Command24", "FormColD", 0},
        {"Command28", "FormColb", 0}, {"Command30", "Form33", 0}, {"Command29", "Form36", 0},
        {"Command25", "Form37", 0}, {"Command27", "Form34", 0}, {"Command1", "FormMenu", 0},
    });
}

TEST(ExerciseMenus, GraphicMenuButtonsOpenTheirScreens)
{
    expectEveryButtonOpens("FormMenuGrafici", {
        {"Command2", "Form999x", 0}, {"Command6", "Form999z", 0}, {"Command3", "Form999y", 0},
        {"Command4", "Form999a", 0}, {"Command7", "Form999b1", 0}, {"Command5", "Form999b", 0},
        {"Command16", "Form999c", 0}, {"Command25", "Form999c1", 0}, {"Command14", "Form999c2", 0},
        {"Command15", "Form999c3", 0}, {"Command28", "Form999d", 0}, {"Command19", "Form999d1", 0},
        {"Command18", "Form999d2", 0}, {"Command17", "Form999d3", 0}, {"Command22", "FormC100", 0},
        {"Command8", "Form100Trova2", 0}, {"Command9", "Form100Ricon2", 0},
        {"Command10", "FormGradi1", 0}, {"Command11", "FormGradi2", 0}, {"Command12", "FormGradi3", 0},
        {"Command26", "Form100g", 0}, {"Command27", "Form500g", 0}, {"Command1", "FormMenu", 0},
    });
}

TEST(ExerciseMenus, ButtonOfAScreenTheProgramLacksIsShownDisabled)
{
    TestApp t(TestApp::Screens::None);
    t.random.setFallback(0.0);
    t.app.navigator.add("FormMenuGrafici", [](AppContext& a) { return new PicturesMenu(a); });
    t.registerStub("Form999x");
    t.open("FormMenuGrafici");
    auto* blocks = t.find<QPushButton>("Command2");
    auto* lines = t.find<QPushButton>("Command10");
    ASSERT_TRUE(blocks && lines);
    EXPECT_TRUE(blocks->isEnabled());
    EXPECT_TRUE(lines->isVisible());
    EXPECT_FALSE(lines->isEnabled());
    t.click("Command10");
    EXPECT_EQ(t.currentName(), "FormMenuGrafici");
    t.click("Command2");
    EXPECT_EQ(t.currentName(), "Form999x");
}

TEST(ExerciseMenus, AbacusWithColouredWordsOnlyForItalianNumberWords)
{
    struct Case { const char* code; bool shown; };
    for (const Case c : {Case{"1", true}, Case{"2", false}, Case{"6", false}, Case{"", false}}) {
        TestApp t;
        t.random.setFallback(0.0);
        t.app.state.numberWordsLanguage = wordsLanguageNumbered(c.code);
        t.open("FormMenuGrafici");
        QWidget* b = t.find("Command13");
        ASSERT_TRUE(b);
        EXPECT_EQ(b->isVisible(), c.shown) << "language " << c.code;
        // Its neighbour keeps its place, so the cell stays empty.
        EXPECT_LT(b->geometry().bottom(), t.find("Command4")->geometry().top());
    }
}

// The menus' drawn pointers come when the mouse first comes over their
// control: none is drawn for a screen nobody points at.
TEST(MenuPointers, ComeOnTheMousesFirstVisit)
{
    TestApp t;
    t.random.setFallback(0.0);
    startProgram(t.app);
    struct Case { const char* screen; const char* control; int size; };
    const Case cases[] = {{"FormAvvio", "BottoneAvvio", 40}, {"FormMenu", "Command2", 40},
                          {"FormMenu", "Check1", 48}, {"FormMenuGrafici", "Command1", 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        if (t.currentName() != c.screen)
            t.app.navigator.open(QString::fromLatin1(c.screen));
        QWidget* w = t.find(c.control);
        ASSERT_NE(w, nullptr);
        EXPECT_NE(w->cursor().shape(), Qt::BitmapCursor);
        // The mouse comes over it: Qt sends the widget an Enter event.
        const QPointF middle = QRectF(w->rect()).center();
        QEnterEvent enter(middle, w->mapTo(w->window(), middle), w->mapToGlobal(middle));
        QApplication::sendEvent(w, &enter);
        ASSERT_EQ(w->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(w->cursor().pixmap().size(), QSize(c.size, c.size));
    }
}

} // namespace
