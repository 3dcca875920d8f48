#include "support/TestApp.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

class Translation : public ::testing::Test
{
protected:
    void SetUp() override { t.random.setFallback(0.0); }
    void language(const QString& text) { t.useLanguage("L", text); }
    TestApp t;
};

TEST_F(Translation, SingleControlsArrayElementsAndMenusByTheirKeys)
{
    language("[FormAvvio]\nLabel2(0).Caption=\"Countland\"\nBottoneAvvio.Caption=\"Start\"\n"
             "BottoneAvvio.ToolTipText=\"Press me\"\n"
             "[FormMenu]\nmnuLanguages.Caption=\"Language\"\n");
    t.open("FormAvvio");
    EXPECT_EQ(t.find<QLabel>("Label2", 0)->text(), "Countland");
    EXPECT_EQ(t.find<QLabel>("Label2", 1)->text(), "Mondocalcolo");
    EXPECT_EQ(t.find<QPushButton>("BottoneAvvio")->text(), "Start");
    EXPECT_EQ(t.find<QPushButton>("BottoneAvvio")->toolTip(), "Press me");
    t.click("BottoneAvvio");
    EXPECT_EQ(t.find<QAction>("mnuLanguages")->text(), "Language");
}

TEST_F(Translation, EmptyValueKeepsTheDesignTextButEmptiesTheTitle)
{
    language("[FormMenu]\nFormMenu.Caption=\"\"\nCommand1.Caption=\"\"\nCommand2.Caption=\"Pictures\"\n");
    t.open("FormMenu");
    EXPECT_EQ(t.find<QPushButton>("Command1")->text(), "Esci");
    EXPECT_EQ(t.find<QPushButton>("Command2")->text(), "Pictures");
    EXPECT_EQ(t.current()->windowTitle(), "");
}

TEST_F(Translation, TitleTranslatedOrEmptiedByAFileWithoutIt)
{
    language("[FormMenuNumeri]\nFormMenuNumeri.Caption=\"Numbers only\"\n");
    t.open("FormMenuNumeri");
    EXPECT_EQ(t.current()->windowTitle(), "Numbers only");
    t.open("FormMenuGrafici");
    EXPECT_EQ(t.current()->windowTitle(), "");
}

TEST_F(Translation, WithoutALanguageFileEverythingKeepsItsDesign)
{
    t.open("FormMenuGrafici");
    EXPECT_EQ(t.current()->windowTitle(), "Contalandia");
    EXPECT_EQ(t.find<QLabel>("Label1")->text(), "piatti lunghi e unità");
    EXPECT_EQ(t.find<QPushButton>("Command10")->text(), "graduata alle unità ");
    EXPECT_EQ(t.find<QPushButton>("Command1")->text(), "Torna al menù principale");
}

TEST_F(Translation, ATagFromTheLanguageFileSteersTheScaler)
{
    // Command2 keeps its design size, Command3 its design place.
    language("[FormMenu]\nCommand2.Tag=\"@LT\"\nCommand3.Tag=\"@wh\"\n");
    Screen* menu = t.open("FormMenu");
    const QRect design2 = twips::rect(1830, 435, 5500, 1200);
    const QRect design3 = twips::rect(1800, 2160, 5500, 1200);
    menu->resize(menu->width() + 200, menu->height() + 100);
    QCoreApplication::processEvents();
    QRect now2 = t.find("Command2")->geometry();
    QRect now3 = t.find("Command3")->geometry();
    EXPECT_EQ(now2.size(), design2.size());
    EXPECT_NE(now2.topLeft(), design2.topLeft());
    EXPECT_EQ(now3.topLeft(), design3.topLeft());
    EXPECT_NE(now3.size(), design3.size());
}

} // namespace
