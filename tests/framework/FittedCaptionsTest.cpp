// SPDX-License-Identifier: GPL-3.0-or-later
// Long captions from a language file never push a command out of sight:
// menu-bar commands and buttons show what fits, ending in "…", and keep
// their whole caption for a screen reader and for the pointer.
#include "app/Startup.h"
#include "framework/FittedCaptions.h"
#include "lang/IniFile.h"
#include "support/TestApp.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>

namespace {

TEST(FittedCaptions, NarrowItemsKeepTheirWidthAndTheWideShareTheRest)
{
    using fitted::NoCap;
    struct Case { const char* what; std::vector<int> widths; int available; int cap; };
    const Case cases[] = {
        {"all fit", {50, 60, 70}, 180, NoCap},
        {"one long among short ones", {50, 60, 1000}, 300, 190},
        {"two long ones share alike", {40, 900, 1000}, 300, 130},
        {"all long", {500, 600, 700}, 300, 100},
        {"no room: never below the least", {500, 600}, 10, 12},
        {"nothing", {}, 0, NoCap},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitted::commonCap(c.widths, c.available, 12), c.cap) << c.what;
}

QString spokenName(QMenuBar* bar, QAction* action)
{
    QAccessibleInterface* b = QAccessible::queryAccessibleInterface(bar);
    for (int i = 0; b && i < b->childCount(); ++i)
        if (QAccessibleInterface* item = b->child(i); item && item->object() == action)
            return item->text(QAccessible::Name);
    return QStringLiteral("<not on the bar>");
}

QString pointedAt(QWidget* w, QPoint at)
{
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
    QCoreApplication::sendEvent(w, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QStringLiteral("<no tooltip>");
}

// A text of the given length made of words.
QString longText(const QString& start, int length)
{
    QString text = start;
    while (text.size() < length)
        text += QStringLiteral(" e ancora ") + start;
    return text.left(length);
}

// With every caption 600 letters long (the section reader keeps 511), every
// command of the bar stays in sight on screens with own menus and with the
// maximum-number choice, at every size; each keeps its whole caption.
TEST(FittedCaptions, LongCaptionsNeverHideTheFramesCommands)
{
    const QStringList screens = {"FormOrd", "Form999x", "Form999a", "Form100Trova2", "FormCola"};
    TestApp t;
    t.random.setFallback(0.37);

    // Every command on each screen's bar, and the frame texts, made long.
    QString file = QStringLiteral("[Strings]\r\n");
    for (const char* key : {"0008", "0009", "0010", "0011", "0012", "0013"})
        file += QStringLiteral("%1=\"%2\"\r\n").arg(key, longText(QStringLiteral("Testo %1").arg(key), 600));
    for (const QString& name : screens) {
        Screen* s = t.open(name);
        ASSERT_TRUE(s) << name.toStdString();
        file += QStringLiteral("[%1]\r\n").arg(name);
        for (QAction* a : s->menuBar()->actions())
            file += QStringLiteral("%1.Caption=\"%2\"\r\n").arg(control::key(a), longText(control::key(a), 600));
    }
    t.useLanguage("Lungo", file);
    startProgram(t.app);

    for (const QString& name : screens) {
        Screen* s = t.open(name);
        QMenuBar* bar = s->menuBar();
        for (const QSize size : {QSize(1920, 1080), QSize(1024, 768), QSize(640, 480), QSize(400, 300)}) {
            SCOPED_TRACE(QStringLiteral("%1 at %2x%3").arg(name).arg(size.width()).arg(size.height()).toStdString());
            t.resize(size);
            const auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
            EXPECT_TRUE(!more || more->isHidden()) << "commands moved into the bar's overflow";
            for (QAction* a : bar->actions()) {
                const QRect place = bar->actionGeometry(a);
                EXPECT_FALSE(place.isEmpty()) << control::key(a).toStdString();
                EXPECT_TRUE(bar->rect().contains(place)) << control::key(a).toStdString();
                ASSERT_EQ(a->text().size(), ini::MaxValueLength) << control::key(a).toStdString();
                EXPECT_EQ(spokenName(bar, a), a->text());
                EXPECT_EQ(pointedAt(bar, place.center()), a->text());
            }
        }
    }

    // The next button: its caption is cut to the button, and whole where
    // it is read or pointed at.
    t.open("FormCola");
    auto* next = t.find<QPushButton>("BottoneAvanti");
    ASSERT_TRUE(next);
    EXPECT_EQ(next->text().size(), ini::MaxValueLength);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(next)->text(QAccessible::Name), next->text());
    EXPECT_EQ(pointedAt(next, next->rect().center()), next->text());
    EXPECT_TRUE(fitted::isCut(next->text(), next->fontMetrics(), fitted::buttonTextRoom(*next, *next->style())));
}

TEST(FittedCaptions, ShortCaptionsAreShownAsTheyAre)
{
    TestApp t;
    t.random.setFallback(0.37);
    t.open("FormOrd");
    t.resize({1024, 768});
    QMenuBar* bar = t.current()->menuBar();
    EXPECT_EQ(fitted::menuBarCap(*bar, *bar->style()), fitted::NoCap);
    const QFontMetrics metrics = bar->fontMetrics();
    EXPECT_EQ(fitted::cut(QStringLiteral("&Esci"), metrics, fitted::NoCap), QStringLiteral("&Esci"));
    EXPECT_EQ(fitted::cut(QStringLiteral("Esci"), metrics, 1000), QStringLiteral("Esci"));
    const QString shown = fitted::cut(longText(QStringLiteral("Esci"), 200), metrics, 100);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_LE(metrics.horizontalAdvance(shown), 100);
    EXPECT_EQ(fitted::fullText(QStringLiteral("Sali && &scendi"), QString()), QStringLiteral("Sali & scendi"));
    EXPECT_EQ(fitted::fullText(QStringLiteral("Esci"), QStringLiteral("torna al menu")), QStringLiteral("Esci\ntorna al menu"));
}

} // namespace
