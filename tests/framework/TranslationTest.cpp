// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestApp.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

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

// Captions and tooltips from a language file are shown as written, never
// read as markup.
TEST_F(Translation, MarkupInALanguageFileIsShownAsPlainText)
{
    language("[FormAvvio]\nLabel2(1).Caption=\"<b>x</b>\"\nBottoneAvvio.ToolTipText=\"<b>y</b>\"\n");
    t.open("FormAvvio");
    auto* label = t.find<QLabel>("Label2", 1);
    EXPECT_EQ(label->text(), "<b>x</b>");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    // The brackets take room on the screen: the label is as wide as the
    // whole text, not as one bold letter.
    EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance("<b>x</b>"));
    auto* start = t.find<QPushButton>("BottoneAvvio");
    EXPECT_EQ(control::toolTip(start), "<b>y</b>");
    EXPECT_TRUE(start->toolTip().contains("&lt;b&gt;y&lt;/b&gt;")) << start->toolTip().toStdString();
}

// A caption naming a device as a picture, and one of 20 000 nested tables
// in a file large enough for the line scan, cost nothing: the start screen
// opens at once and shows them as text. The watchdog ends the run should
// opening hang on the device.
TEST_F(Translation, HostileCaptionsOpenAtOnce)
{
    const QByteArray tables = QByteArray("<table><tr><td>").repeated(20000);
    struct Case { const char* name; QByteArray caption; };
    for (const Case& c : {Case{"device", "<img src='/dev/zero'>"}, Case{"tables", tables}}) {
        SCOPED_TRACE(c.name);
        TestApp h;
        h.random.setFallback(0.0);
        QByteArray file = "[FormAvvio]\nLabel2(0).Caption=\"" + c.caption + "\"\n";
        if (c.caption.size() < 64000)
            file += QByteArray(70000, ';');  // the large-file reader for both
        h.writeFile("L.lng", file);
        h.writeSettings("L");
        h.app.strings.getString("0000");

        std::atomic<bool> done = false;
        std::thread watchdog([&done] {
            for (int i = 0; i < 600 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!done) {
                std::fprintf(stderr, "opening a screen with a hostile caption hangs\n");
                std::_Exit(3);
            }
        });
        QElapsedTimer clock;
        clock.start();
        h.open("FormAvvio");
        h.current()->grab();  // laid out and painted
        done = true;
        watchdog.join();
        EXPECT_LT(clock.elapsed(), 5000);
        // Shown as text, cut to what a caption may hold.
        EXPECT_EQ(h.find<QLabel>("Label2", 0)->text(),
                  QString::fromLatin1(c.caption).left(LanguageFiles::ShownTextLimit));
    }
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
