// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: names read through QAccessible, as assistive
// technology reads them, with the language files that ship beside the
// program.

#include "app/Startup.h"
#include "framework/CellGrid.h"
#include "framework/SpokenNames.h"
#include "support/TestApp.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <random>

namespace {

QString spokenName(QObject* o)
{
    QAccessibleInterface* i = o ? QAccessible::queryAccessibleInterface(o) : nullptr;
    return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QString spokenDescription(QObject* o)
{
    QAccessibleInterface* i = o ? QAccessible::queryAccessibleInterface(o) : nullptr;
    return i ? i->text(QAccessible::Description) : QStringLiteral("<no interface>");
}

// Copies the shipped language files into the program folder, makes one of
// them current and starts the program (frame texts, start screen).
void startWithShippedLanguages(TestApp& t, const QString& current)
{
    const QDir data(QStringLiteral(CONTALANDIA_DATA_DIR));
    for (const QString& file : data.entryList({QStringLiteral("*.lng")}, QDir::Files))
        QFile::copy(data.filePath(file), t.path(file));
    t.writeSettings(current);
    startProgram(t.app);
    TestApp::flush();
}

int languageIndex(TestApp& t, const QString& language)
{
    return static_cast<int>(t.app.strings.languageNames().indexOf(language));
}

// The announcements made while it lives, each with the name that was
// spoken. (Offscreen, Qt itself drops accessibility events: no assistive
// technology listens.)
struct Announcements
{
    QList<std::pair<QObject*, QString>> heard;
    Announcements()
    {
        spoken::observeAnnouncements([this](QWidget* w) { heard.push_back({w, spokenName(w)}); });
    }
    ~Announcements() { spoken::observeAnnouncements({}); }
};

TEST(AccessibleNames, MenuCaptionsAreSpokenInTheLanguageChosen)
{
    TestApp t;
    t.random.setFallback(0.3);
    startWithShippedLanguages(t, QStringLiteral("Italiano"));
    t.open(QStringLiteral("FormMenu"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Command3"))), QStringLiteral("Esercizi con solo numeri"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Check1"))), QStringLiteral("Suoni attivati"));

    t.trigger(QStringLiteral("mnuLanguage"), languageIndex(t, QStringLiteral("English")));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Command3"))), QStringLiteral("Exercises with numbers only"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Check1"))), QStringLiteral("Sounds on"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Command1"))), QStringLiteral("Exit"));
}

// The comparison screen, reached after a switch to English in the main
// menu: signs, faces and counts say in words what they show, and every
// answer is announced by the face that shows its outcome.
TEST(AccessibleNames, ExerciseFrameAndSignsSpeakAndAnnounceTheOutcome)
{
    TestApp t;
    t.random.setFallback(0.0);  // 1 against 1: "=" is the right sign
    startWithShippedLanguages(t, QStringLiteral("Italiano"));
    t.open(QStringLiteral("FormMenu"));
    t.trigger(QStringLiteral("mnuLanguage"), languageIndex(t, QStringLiteral("English")));
    t.click(QStringLiteral("Command3"));
    t.click(QStringLiteral("Command7"));
    ASSERT_EQ(t.currentName(), QStringLiteral("FormMM"));

    QWidget* yes = t.find(QStringLiteral("ComandoIconaSi"));
    QWidget* no = t.find(QStringLiteral("ComandoIconaNo"));
    QWidget* right = t.find(QStringLiteral("EtichettaEsatti"));
    QWidget* wrong = t.find(QStringLiteral("EtichettaErrati"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Comando"), 0)), QStringLiteral("greater than"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Comando"), 1)), QStringLiteral("less than"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Comando"), 2)), QStringLiteral("equal to"));
    EXPECT_EQ(spokenName(yes), QStringLiteral("Right! Well done!"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(yes)->role(), QAccessible::Graphic);
    EXPECT_EQ(spokenName(right), QStringLiteral("Right: 0"));
    EXPECT_EQ(spokenName(wrong), QStringLiteral("Wrong: 0"));
    EXPECT_EQ(spokenName(t.find(QStringLiteral("PicturesattiErrati"))), QStringLiteral("Your score"));

    Announcements announcements;
    t.click(QStringLiteral("Comando"), 0);
    t.click(QStringLiteral("Comando"), 1);
    EXPECT_TRUE(no->isVisible());
    EXPECT_EQ(spokenName(wrong), QStringLiteral("Wrong: 2"));
    t.click(QStringLiteral("Comando"), 2);
    EXPECT_EQ(spokenName(right), QStringLiteral("Right: 1"));
    using Heard = QList<std::pair<QObject*, QString>>;
    EXPECT_EQ(announcements.heard, (Heard{{no, QStringLiteral("Not right, try again")},
                                          {no, QStringLiteral("Not right, try again")},
                                          {yes, QStringLiteral("Right! Well done!")}}));
    // The sign put between the numbers says it in words too.
    EXPECT_EQ(spokenName(t.find(QStringLiteral("Label3"))), QStringLiteral("equal to"));

    t.trigger(QStringLiteral("MenuAzzera"));
    EXPECT_EQ(spokenName(right), QStringLiteral("Right: 0"));
    EXPECT_EQ(spokenName(wrong), QStringLiteral("Wrong: 0"));
}

TEST(AccessibleNames, AnswerBoxIsNamedByItsProblemAndDescribedByItsInstruction)
{
    TestApp t;
    t.random.setFallback(0.0);
    startWithShippedLanguages(t, QStringLiteral("English"));
    // Mode 4, the number that follows. Colour, kind 1, n := floor(r * 999) + 1 = 500.
    t.random.push({0.1, 0.0, 499.5 / 999});
    t.open(QStringLiteral("FormScri"), 4);
    auto* box = t.find<QLineEdit>(QStringLiteral("Text1"));
    EXPECT_EQ(spokenName(box), QStringLiteral(" 499 ____"));
    EXPECT_EQ(spokenDescription(box), QStringLiteral("write the number in digits"));
    const auto labels = QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->object(), t.find(QStringLiteral("EtichettaNumero")));

    t.type(QStringLiteral("Text1"), QStringLiteral("500"));
    t.key(QStringLiteral("Text1"), Qt::Key_Return);
    t.random.push({0.1, 0.0, 41.5 / 999});
    t.click(QStringLiteral("BottoneAvanti"));
    EXPECT_EQ(spokenName(box), QStringLiteral(" 41 ____"));
}

TEST(AccessibleNames, PlacedNumberButtonsSayTheyAreEmptyUntilOfferedAgain)
{
    TestApp t;
    t.random.setFallback(0.0);
    startWithShippedLanguages(t, QStringLiteral("Italiano"));
    // Colour, then seven numbers: 7, 6, ..., 1.
    t.random.push(0.4);
    for (int n = 7; n >= 1; --n)
        t.random.push((n + 0.5) / 1000);
    t.open(QStringLiteral("FormOrd"));
    auto button = [&](int i) { return t.find(QStringLiteral("ComandoNumero"), i); };

    t.click(QStringLiteral("ComandoNumero"), 6);  // 1 first: so far in order
    EXPECT_EQ(spokenName(button(6)), QStringLiteral("Numero già messo in fila"));
    EXPECT_EQ(spokenName(button(0)), QStringLiteral("7"));

    for (int i = 0; i < 6; ++i)  // 7, 6, ...: the wrong order, offered again
        t.click(QStringLiteral("ComandoNumero"), i);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(spokenName(button(i)), QString::number(7 - i)) << i;
}

// The rule for every screen, present and to come: each control on show has
// a name. A screen of a new family fails here until its cells, beads,
// blocks and ticks say what they show.
TEST(AccessibleNames, EveryControlOnShowHasANameOnEveryScreen)
{
    TestApp catalogue;
    QStringList names = catalogue.app.navigator.screenNames();
    names.sort();
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        TestApp t;
        std::mt19937 generator(20040520);
        std::uniform_real_distribution<double> fraction(0.0, 1.0);
        for (int i = 0; i < 5000; ++i)
            t.random.push(fraction(generator));
        t.random.setFallback(0.5);
        startWithShippedLanguages(t, QStringLiteral("Italiano"));
        Screen* s = t.open(name);  // the written-number screen in its first mode
        ASSERT_TRUE(s);
        for (QObject* c : s->controls()) {
            auto* w = qobject_cast<QWidget*>(c);
            if (!w || !w->isVisibleTo(s))
                continue;
            EXPECT_FALSE(spokenName(w).trimmed().isEmpty()) << control::key(w).toStdString();
        }
    }
}

// Three cells: the first read by its text, the second named by a pattern
// of the language file that follows what it shows.
class CellsScreen : public Screen
{
public:
    explicit CellsScreen(AppContext& app) : Screen(app, QStringLiteral("FormCelle"), 9000, 6000)
    {
        CellGrid::Layout l;
        l.name = QStringLiteral("Cella");
        l.count = 3;
        l.perLine = 3;
        l.origin = {600, 600};
        l.cell = {900, 900};
        l.pitch = {1000, 1000};
        grid = new CellGrid(*this, l);
        connect(grid, &CellGrid::clicked, this, [this](int i) { clicks.push_back(i); });
        spokenNames().showing(grid->cell(1), QStringLiteral("0230"));
    }
    CellGrid* grid;
    std::vector<int> clicks;
};

TEST(AccessibleNames, CellsSayWhatTheyShowAndCanBePressed)
{
    TestApp t{TestApp::Screens::None};
    t.app.navigator.add(QStringLiteral("FormCelle"), [](AppContext& a) -> Screen* { return new CellsScreen(a); });
    t.useLanguage(QStringLiteral("Prova"), QStringLiteral("[Strings]\n0230=\"%1 in the table\"\n"));
    auto* s = static_cast<CellsScreen*>(t.open(QStringLiteral("FormCelle")));
    Cell* plain = s->grid->cell(0);
    Cell* named = s->grid->cell(1);

    plain->setText(QStringLiteral(" 57"));
    named->setText(QStringLiteral("42"));
    s->spokenNames().update(named);
    EXPECT_EQ(spokenName(plain), QStringLiteral("57"));
    EXPECT_EQ(spokenName(named), QStringLiteral("42 in the table"));

    t.writeLanguage(QStringLiteral("Prova"), QStringLiteral("[Strings]\n0230=\"%1 nella tabella\"\n"));
    s->translate();
    EXPECT_EQ(spokenName(named), QStringLiteral("42 nella tabella"));

    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(plain);
    EXPECT_EQ(cell->role(), QAccessible::StaticText);
    EXPECT_TRUE(cell->actionInterface()->actionNames().isEmpty());
    plain->setClickable(true);
    EXPECT_EQ(cell->role(), QAccessible::Button);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(s->clicks, std::vector<int>{0});
}

TEST(SpokenNames, PatternIsFilledWithWhatTheControlShows)
{
    struct Case { const char* pattern; const char* shown; const char* name; };
    for (const Case c : {Case{"Right: %1", "3", "Right: 3"}, Case{"%1 in the table", "42", "42 in the table"},
                         Case{"Right:", "3", "Right: 3"}, Case{"", "3", "3"}, Case{"Your score", "", "Your score"}}) {
        EXPECT_EQ(spoken::fill(QString::fromUtf8(c.pattern), QString::fromUtf8(c.shown)), QString::fromUtf8(c.name))
            << c.pattern;
    }
}

} // namespace
