// SPDX-License-Identifier: GPL-3.0-or-later
// Texts from a language file or a user are shown as written, never run as
// markup: on every screen, in its labels, tooltips (those of cut captions
// too), message boxes, accessible names and player names. Two captions of
// a broken language file are the corpus: one of thirty nested tables,
// which Qt's rich text lays out without end, and one naming a device as a
// picture, which it reads without end.
#include "app/MessageBoxDialogs.h"
#include "app/Startup.h"
#include "framework/FittedCaptions.h"
#include "support/TestApp.h"

#include <QAccessible>
#include <gmock/gmock.h>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <thread>

// A namespace of its own: the tests are compiled in batches.
namespace hostiletexts {

struct Corpus
{
    const char* name;
    QString caption;
    QString marker;  // what must never reach Qt's markup reader
};

const Corpus Captions[] = {
    {"nested tables", QStringLiteral("&<b>%1%2</b>") + QStringLiteral("<table><tr><td>").repeated(30),
     QStringLiteral("<table>")},
    {"device picture", QStringLiteral("<img src='/dev/zero'>"), QStringLiteral("<img")},
};

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

// Ends the test run when the window stops answering or memory runs away:
// either is the fault itself, and must not take the machine down with it.
class Watchdog
{
public:
    explicit Watchdog(int seconds)
        : start_(residentKb()), thread_([this, seconds] {
              for (int i = 0; i < seconds * 20 && !done_; ++i) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  if (residentKb() - start_ > 1024 * 1024) {
                      std::fprintf(stderr, "a hostile caption makes memory grow without end\n");
                      std::_Exit(3);
                  }
              }
              if (!done_) {
                  std::fprintf(stderr, "a hostile caption keeps the window from answering\n");
                  std::_Exit(3);
              }
          })
    {
    }
    ~Watchdog()
    {
        done_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> done_ = false;
    long start_;
    std::thread thread_;
};

// Whether Qt takes a text for markup where it shows it as a tooltip.
bool readAsMarkup(const QString& shown)
{
    return Qt::mightBeRichText(shown);
}

// The text a tooltip shows to the eye.
QString seen(const QString& shown)
{
    if (!readAsMarkup(shown))
        return shown;
    QString text = QTextDocumentFragment::fromHtml(shown).toPlainText();
    text.replace(QChar(QChar::LineSeparator), u'\n');
    text.replace(QChar(QChar::ParagraphSeparator), u'\n');
    text.replace(QChar(QChar::Nbsp), u' ');
    return text;
}

QString pointedAt(QWidget* w, QPoint at)
{
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
    QCoreApplication::sendEvent(w, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The tooltip on show, laid out and painted.
void paintTooltip()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            (void)w->grab();
}

// Fractions enough for any screen's draws and retries (a constant one
// could make a generator retry for ever).
void feed(TestApp& t)
{
    static std::mt19937 generator(20040520);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 0; i < 2000; ++i)
        t.random.push(fraction(generator));
}

// A language file that puts the caption everywhere a text can come from:
// every message string, the title, caption and tooltip of every control of
// every screen.
QString hostileLanguage(const QString& caption)
{
    QString file = QStringLiteral("[Strings]\r\n");
    auto line = [&](const QString& key) { file += QStringLiteral("%1=\"%2\"\r\n").arg(key, caption); };
    for (int k = 0; k <= 999; ++k)
        line(QStringLiteral("%1").arg(k, 4, 10, QLatin1Char('0')));
    for (int k = 9996; k <= 9999; ++k)
        line(QString::number(k));
    TestApp catalogue;
    catalogue.random.setFallback(0.4);
    QStringList names = catalogue.app.navigator.screenNames();
    names.sort();
    for (const QString& name : names) {
        feed(catalogue);
        Screen* s = catalogue.open(name);
        file += QStringLiteral("[%1]\r\n").arg(name);
        line(name + QStringLiteral(".Caption"));
        for (QObject* c : s->controls()) {
            line(control::key(c) + QStringLiteral(".Caption"));
            line(control::key(c) + QStringLiteral(".ToolTipText"));
        }
    }
    return file;
}

// Every text a screen hands to Qt: none may be read as markup with the
// caption's tags in it, and a tooltip of a cut caption shows it whole.
void checkScreen(Screen* s, const Corpus& c)
{
    for (QWidget* w : s->findChildren<QWidget*>()) {
        const std::string key = (control::key(w).isEmpty() ? w->metaObject()->className() : control::key(w)).toStdString();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const bool markup = label->textFormat() == Qt::RichText
                                || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
            EXPECT_FALSE(markup && label->text().contains(c.marker)) << key;
            // Read out as written too (bar the mnemonic's "&").
            if (label->text().contains(c.marker))
                EXPECT_TRUE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name).contains(c.marker))
                    << key;
        }
        EXPECT_FALSE(readAsMarkup(w->toolTip()) && w->toolTip().contains(c.marker)) << key;
    }
    for (QAction* a : s->findChildren<QAction*>())
        EXPECT_FALSE(readAsMarkup(a->toolTip()) && a->toolTip().contains(c.marker)) << control::key(a).toStdString();

    // Pointing at every button and command.
    for (QPushButton* b : s->findChildren<QPushButton*>()) {
        // A picture alone (the loudspeakers) shows no tip; the tip of the
        // button pointed at before may still be fading out.
        if (!b->isVisible() || (b->text().isEmpty() && control::toolTip(b).isEmpty()))
            continue;
        const QString shown = pointedAt(b, b->rect().center());
        if (shown.isEmpty())
            continue;
        SCOPED_TRACE(control::key(b).toStdString());
        ASSERT_FALSE(readAsMarkup(shown) && shown.contains(c.marker)) << "the tooltip runs the caption as markup";
        paintTooltip();
        // The whole caption of a cut one and its own tooltip, or its own
        // tooltip alone, as written.
        EXPECT_THAT(seen(shown), ::testing::AnyOf(fitted::fullText(b->text(), control::toolTip(b)), control::toolTip(b)));
    }
    if (QMenuBar* bar = s->menuWidget() ? s->menuBar() : nullptr)
        for (QAction* a : bar->actions()) {
            const QRect place = bar->actionGeometry(a);
            if (place.isEmpty())
                continue;
            const QString shown = pointedAt(bar, place.center());
            if (shown.isEmpty())
                continue;
            SCOPED_TRACE(control::key(a).toStdString());
            ASSERT_FALSE(readAsMarkup(shown) && shown.contains(c.marker)) << "the tooltip runs the caption as markup";
            paintTooltip();
            EXPECT_THAT(seen(shown),
                        ::testing::AnyOf(fitted::fullText(a->text(), control::toolTip(a)), control::toolTip(a)));
        }
    QToolTip::hideText();
}

TEST(HostileTexts, EveryPlaceShowsAMarkupCaptionAsWritten)
{
    const QStringList screens = [] {
        TestApp catalogue;
        QStringList names = catalogue.app.navigator.screenNames();
        names.sort();
        return names;
    }();
    for (const Corpus& c : Captions) {
        SCOPED_TRACE(c.name);
        TestApp t;
        t.random.setFallback(0.4);
        t.useLanguage(QStringLiteral("Hostile"), hostileLanguage(c.caption));
        startProgram(t.app);
        ASSERT_EQ(t.app.state.frameTexts.exitMenu, c.caption);

        // Generous for a sanitized build on a busy machine: the fault is
        // an endless wait, not a slow one.
        Watchdog watchdog(400);
        for (const QString& name : screens) {
            SCOPED_TRACE(name.toStdString());
            feed(t);
            Screen* s = t.open(name);
            ASSERT_TRUE(s);
            for (const QSize size : {QSize(1024, 768), QSize(400, 300)}) {
                t.resize(size);
                (void)s->grab();
                checkScreen(s, c);
            }
        }

        // The window still answers: the exit question is asked with the
        // caption as written, and leads back to the menu.
        feed(t);
        t.open(QStringLiteral("Form999c1"));
        t.dialogs.answers.push_back(true);
        t.trigger(QStringLiteral("mnuEsci"));
        ASSERT_FALSE(t.dialogs.shown.empty());
        EXPECT_EQ(t.dialogs.shown.back().text, c.caption);
        EXPECT_EQ(t.currentName(), QStringLiteral("FormMenuGrafici"));
    }
}

// The players' names a grown-up typed are shown on the start screen as
// buttons; pointing at a cut one shows it whole, as written.
TEST(HostileTexts, PlayerNamesAreShownAsWritten)
{
    TestApp t;
    t.random.setFallback(0.4);
    ResultsStore& results = t.useResults();
    const QStringList names = {QStringLiteral("<img src='/dev/zero'>WWWWWWWWWWWWWWWWW"),
                               QStringLiteral("<b>x</b><table><tr><td><table><tr><td>")};
    for (const QString& name : names)
        ASSERT_EQ(results.addPlayer(name), players::Problem::None);
    Watchdog watchdog(60);
    Screen* s = t.open(QStringLiteral("FormAvvio"));
    t.resize(QSize(400, 300));
    (void)s->grab();
    int shownNames = 0;
    for (QPushButton* b : s->findChildren<QPushButton*>()) {
        if (!names.contains(b->text()))
            continue;
        ++shownNames;
        const QString shown = pointedAt(b, b->rect().center());
        ASSERT_FALSE(readAsMarkup(shown) && (shown.contains(QStringLiteral("<img")) || shown.contains(QStringLiteral("<table"))));
        paintTooltip();
        if (!shown.isEmpty())
            EXPECT_EQ(seen(shown), b->text());
    }
    EXPECT_EQ(shownNames, 2);
    QToolTip::hideText();
}

// The program's message boxes show their texts as written.
TEST(HostileTexts, MessageBoxesShowTheirTextAsWritten)
{
    for (const Corpus& c : Captions) {
        SCOPED_TRACE(c.name);
        MessageBoxDialogs dialogs;
        Watchdog watchdog(30);
        auto shown = std::make_shared<QStringList>();
        auto look = [shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            (void)box->grab();
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_TRUE(label);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            *shown << label->text();
            box->done(QMessageBox::No);
        };
        QTimer::singleShot(0, look);
        dialogs.information(nullptr, QStringLiteral("Contalandia"), c.caption);
        QTimer::singleShot(0, look);
        (void)dialogs.askYesNo(nullptr, QStringLiteral("Contalandia"), c.caption);
        QTimer::singleShot(0, look);
        dialogs.notice(nullptr, c.caption);
        EXPECT_EQ(*shown, QStringList({c.caption, c.caption, c.caption}));
    }
}

} // namespace hostiletexts
