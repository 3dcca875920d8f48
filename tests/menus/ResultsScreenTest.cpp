// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusCatalog.h"
#include "exercises/blocks/BlocksCatalog.h"
#include "exercises/columns/ColumnsCatalog.h"
#include "exercises/frame/ExerciseFamilies.h"
#include "exercises/frame/ExerciseRow.h"
#include "exercises/numberlines/NumberLinesCatalog.h"
#include "exercises/tables/TablesCatalog.h"
#include "exercises/written/WrittenCatalog.h"
#include "menus/ResultsScreen.h"
#include "support/KeptAnswers.h"
#include "results/CsvExport.h"
#include "results/Pin.h"
#include "results/PinWork.h"
#include "results/ResultsQueries.h"
#include "support/TestApp.h"

#include <QAbstractBarSeries>
#include <QAccessible>
#include <QCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>

namespace {

// The screen's chart as Qt Charts draws it (the tests link the chart).
QChart* chartOf(ResultsScreen* s)
{
    auto* view = s->daysChart() ? qobject_cast<QChartView*>(s->daysChart()->widget()) : nullptr;
    return view ? view->chart() : nullptr;
}

double pick(int k, double n)
{
    return (k + 0.5) / n;
}

class ResultsScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The program's own Italian texts.
        t.useLanguage(QStringLiteral("Italiano"),
                      QString::fromUtf8(testfiles::readBytes(QStringLiteral(CONTALANDIA_DATA_DIR "/Italiano.lng"))));
    }

    std::vector<AnswerRecord> kept() { return keptAnswers(*t.results); }
    void answer(const QString& typed)
    {
        t.find<QLineEdit>("Text1")->clear();
        t.type("Text1", typed);
        t.key("Text1", Qt::Key_Return);
    }
    // A fixture answer of today.
    void played(const QString& player, const QString& screen, const QString& family, bool right, int minutesAgo = 0)
    {
        AnswerRecord a;
        a.player = player;
        a.screen = screen;
        a.title = screen;
        a.family = family;
        a.problem = QStringLiteral("p");
        a.answer = QStringLiteral("a");
        a.right = right;
        a.at = QDateTime::currentDateTimeUtc().addSecs(-60 * minutesAgo);
        t.results->record(a);
    }
    ResultsScreen* openResults()
    {
        t.random.setFallback(0.3);
        t.open("FormMenu");
        t.trigger("mnuRisultati");
        return qobject_cast<ResultsScreen*>(t.current());
    }
    QStringList column(int c) const
    {
        QStringList cells;
        auto* table = t.find<QTableWidget>("TabellaRiassunto");
        for (int r = 0; r < table->rowCount(); ++r)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        return cells;
    }

    // The PIN typed and Enter released: the check runs off the window's
    // thread, and its result comes back through the event loop.
    void enterPin(const QString& typed)
    {
        t.type("TestoPin", typed);
        t.key("TestoPin", Qt::Key_Return);
    }
    // Waits until the PIN work the screen started is back.
    template <class Signal>
    void pinWorkDone(Signal signal)
    {
        auto* work = t.current()->findChild<PinWork*>();
        ASSERT_NE(work, nullptr) << t.currentName().toStdString();
        QSignalSpy spy(work, signal);
        ASSERT_TRUE(spy.wait(20000)) << "the PIN work never came back";
    }

    TestApp t;
    ResultsStore& store = t.useResults();
};

} // namespace

TEST_F(ResultsScreenTest, AnswersOnARealScreenAreKeptAsTheFrameCountsThem)
{
    t.random.push(0.0);
    t.open("FormMenuNumeri");
    t.random.push({0.1, pick(47, 978)});
    t.random.setFallback(0.0);
    t.click("Command2");   // "più 10"
    answer("56");
    answer("57");
    auto a = kept();
    ASSERT_EQ(a.size(), 2u);
    // Both may fall in one millisecond: the wrong one first.
    if (a[0].right)
        std::swap(a[0], a[1]);
    EXPECT_EQ(a[0].screen, "FormScri");
    EXPECT_EQ(a[0].mode, 9);
    EXPECT_EQ(a[0].title, "Scrivi il numero: più 10");   // the mode by its button's caption
    EXPECT_EQ(a[0].family, "written");
    EXPECT_EQ(a[0].problem, " 47 + 10 = ");
    EXPECT_EQ(a[0].answer, "56");
    EXPECT_FALSE(a[0].right);
    EXPECT_EQ(a[0].player, "Maria Rossi");
    EXPECT_EQ(a[0].computer, "pc1");
    EXPECT_EQ(a[1].answer, "57");
    EXPECT_TRUE(a[1].right);

    // Leaving the screen keeps the visit.
    t.random.setFallback(0.0);
    t.dialogs.answers.push_back(true);
    t.trigger("mnuEsci");
    ASSERT_EQ(t.currentName(), "FormMenuNumeri");
    store.waitForWrites();
    QSqlQuery q(store.reading().db);
    ASSERT_TRUE(q.exec("SELECT screen, mode, left_ms >= opened_ms FROM visits") && q.next());
    EXPECT_EQ(q.value(0).toString(), "FormScri");
    EXPECT_EQ(q.value(1).toInt(), 9);
    EXPECT_TRUE(q.value(2).toBool());
}

TEST_F(ResultsScreenTest, NothingIsKeptWhileTheMaximumNumberChoiceIsOpen)
{
    t.random.setFallback(0.4);
    t.open("FormMenuNumeri");
    t.click("Command6");   // from the word to the digits: offers the choice
    ASSERT_EQ(t.currentName(), "FormScri");
    t.trigger("mnuNumeroMassimo");
    ASSERT_TRUE(t.find<QGroupBox>("CorniceNumeroMassimo")->isVisible());
    answer("1");
    EXPECT_EQ(t.find<QLabel>("EtichettaErrati")->text(), " 1");   // counted on the screen
    EXPECT_TRUE(kept().empty());                                  // but not kept
    t.click("OpzioneNumeroMassimo", 1);
    answer("1");
    EXPECT_EQ(kept().size(), 1u);
}

TEST_F(ResultsScreenTest, TheStartScreenShowsNamesOnlyForMoreThanOnePlayer)
{
    t.random.setFallback(0.2);
    t.open("FormAvvio");
    EXPECT_EQ(t.find("BottoneGiocatore", 0), nullptr);
    store.addPlayer("Sara");
    t.open("FormMenu");
    t.open("FormAvvio");
    EXPECT_EQ(t.find("BottoneGiocatore", 0), nullptr);   // one child: the start screen as it was
    EXPECT_EQ(store.currentPlayer(), "Sara");

    store.addPlayer("Anna");
    store.addPlayer("Luca");
    t.open("FormMenu");
    t.open("FormAvvio");
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        auto* b = t.find<QPushButton>("BottoneGiocatore", i);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->isVisible());
        names << b->text();
        // Above "Avvio", big enough to hit.
        EXPECT_LT(b->geometry().bottom(), t.find("BottoneAvvio")->geometry().top());
        EXPECT_GE(b->height(), t.find("BottoneAvvio")->height() / 3);
    }
    EXPECT_EQ(names, (QStringList{"Anna", "Luca", "Sara"}));
    for (int i = 0; i < 3; ++i)   // none chosen yet: nobody's name but the computer's user
        EXPECT_FALSE(t.find<QPushButton>("BottoneGiocatore", i)->isChecked());
    EXPECT_EQ(store.currentPlayer(), "Maria Rossi");
    t.click("BottoneGiocatore", 1);
    EXPECT_EQ(store.currentPlayer(), "Luca");
    EXPECT_TRUE(t.find<QPushButton>("BottoneGiocatore", 1)->isChecked());
    EXPECT_FALSE(t.find<QPushButton>("BottoneGiocatore", 0)->isChecked());
    t.open("FormMenu");
    t.open("FormAvvio");
    EXPECT_TRUE(t.find<QPushButton>("BottoneGiocatore", 1)->isChecked());   // remembered
}

// A name shows and is said as it was typed, "&" included (in a button's
// caption it would mark a shortcut key and vanish); until a name is chosen
// the answers are the computer's user's, not the first name's.
TEST_F(ResultsScreenTest, NamesShowAsTypedAndUntilOneIsChosenTheAnswersAreTheUsers)
{
    store.addPlayer("Luca");
    store.addPlayer("Anna & Bea");
    t.random.setFallback(0.2);
    t.open("FormAvvio");
    auto* first = t.find<QPushButton>("BottoneGiocatore", 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(first)->text(QAccessible::Name), "Anna & Bea");
    EXPECT_TRUE(first->shortcut().isEmpty());
    EXPECT_FALSE(first->isChecked());
    played({}, "FormMM", "written", true);
    t.click("BottoneGiocatore", 0);
    EXPECT_EQ(store.currentPlayer(), "Anna & Bea");
    played({}, "FormMM", "written", false);
    store.waitForWrites();
    QStringList whose;
    for (const AnswerRecord& a : kept())
        whose << a.player;
    whose.sort();
    EXPECT_EQ(whose, (QStringList{"Anna & Bea", "Maria Rossi"}));
}

// Players that change while the start screen is on show (a server's list
// arriving late, a damaged file put aside after the start) show at once,
// placed, sized and lettered as on a start screen opened afresh, at any
// size and with large text too.
TEST_F(ResultsScreenTest, TheStartScreenFollowsThePlayersWhileOnShow)
{
    struct Shown
    {
        QString text;
        QRect place;
        double points;
        bool checked;
        bool operator==(const Shown&) const = default;
    };
    auto shown = [this] {
        std::vector<Shown> r;
        for (int i = 0; auto* b = t.find<QPushButton>("BottoneGiocatore", i); ++i)
            r.push_back({b->text(), b->geometry(), b->font().pointSizeF(), b->isChecked()});
        return r;
    };
    t.random.setFallback(0.2);
    store.addPlayer("Sara");
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large);
        t.app.state.largeText = large;
        t.open("FormAvvio");
        t.resize(QSize(1600, 1000));
        EXPECT_EQ(t.find("BottoneGiocatore", 0), nullptr);

        store.addPlayer(large ? "Bea" : "Anna");   // a second child: names
        std::vector<Shown> now = shown();
        ASSERT_EQ(now.size(), 2u);
        EXPECT_TRUE(t.find<QPushButton>("BottoneGiocatore", 0)->isVisible());
        t.find<QPushButton>("BottoneGiocatore", 1)->setFocus();

        store.addPlayer(large ? "Ugo" : "Luca");   // a third: all placed anew
        now = shown();
        ASSERT_EQ(now.size(), 3u);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(t.find<QPushButton>("BottoneGiocatore", i)->isVisible());
        // The button that had the keys is gone: they go on from "Avvio".
        EXPECT_EQ(t.current()->focusWidget(), t.find("BottoneAvvio"));
        t.open("FormMenu");
        t.open("FormAvvio");
        t.resize(QSize(1600, 1000));
        EXPECT_EQ(now, shown());
        ASSERT_EQ(large, t.current()->textScale() > 1);

        store.removePlayer(large ? "Bea" : "Anna");
        store.removePlayer(large ? "Ugo" : "Luca");   // one child again: no names
        EXPECT_EQ(t.find("BottoneGiocatore", 0), nullptr);
    }
}

TEST_F(ResultsScreenTest, TheResultsScreenShowsEachPlayerHardestFirstAndAChartOfDays)
{
    for (int i = 0; i < 4; ++i)
        played("Luca", "FormMM", "written", i > 0);     // 3 of 4
    for (int i = 0; i < 4; ++i)
        played("Luca", "Form999c", "abacus", i == 0);   // 1 of 4
    played("Anna", "FormGradi1", "numberlines", true, 60 * 24 * 2);
    ResultsScreen* s = openResults();
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(column(0), (QStringList{"Anna", "Luca", "Luca"}));
    EXPECT_EQ(column(2), (QStringList{"FormGradi1", "Form999c", "FormMM"}));
    EXPECT_EQ(column(1)[1], "Abaco");                       // the family in the language in use
    EXPECT_EQ(s->shownTable()[2][3], "4");                  // answers
    EXPECT_EQ(s->shownTable()[2][6], "25 %");

    // The chart: 28 days, today last; right solid and wrong hatched.
    auto* series = qobject_cast<QAbstractBarSeries*>(chartOf(s)->series().value(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->barSets().size(), 2);
    QBarSet* right = series->barSets()[0];
    QBarSet* wrong = series->barSets()[1];
    ASSERT_EQ(right->count(), ResultsScreen::ChartDays);
    EXPECT_EQ(right->at(27), 4);
    EXPECT_EQ(wrong->at(27), 4);
    EXPECT_EQ(right->at(25), 1);
    EXPECT_EQ(right->brush().style(), Qt::SolidPattern);
    EXPECT_NE(wrong->brush().style(), Qt::SolidPattern);
    EXPECT_NE(right->label(), wrong->label());

    // One player, per family; the chart follows the player.
    auto* players = t.find<QComboBox>("ListaGiocatori");
    players->setCurrentIndex(players->findText("Luca"));
    emit players->activated(players->currentIndex());
    t.click("OpzioneVista", 1);
    EXPECT_EQ(column(1), (QStringList{"Abaco", "Numeri e parole"}));
    auto* lucas = qobject_cast<QAbstractBarSeries*>(chartOf(s)->series().value(0));
    EXPECT_EQ(lucas->barSets()[0]->at(25), 0);
}

TEST_F(ResultsScreenTest, TheTableAndTheAnswersAreExportedAndReadBack)
{
    played("Zoë, \"la piccola\"", "FormMM", "written", true, 2);
    played("Zoë, \"la piccola\"", "FormMM", "written", false, 1);
    ResultsScreen* s = openResults();
    const QString csv = t.path("tabella.csv");
    t.dialogs.fileNames.push_back(csv);
    t.click("BottoneCsv");
    EXPECT_EQ(readCsv(testfiles::readBytes(csv)), s->shownTable());
    EXPECT_EQ(s->shownTable().size(), 2);

    const QString answers = t.path("risposte.csv");
    t.dialogs.fileNames.push_back(answers);
    t.click("BottoneCsvRisposte");
    const QList<QStringList> rows = readCsv(testfiles::readBytes(answers));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].value(0), "Quando");
    EXPECT_EQ(rows[1].value(1), "Zoë, \"la piccola\"");
    EXPECT_EQ(rows[1].value(7), "sì");
    EXPECT_EQ(rows[2].value(7), "no");

    const QString pdf = t.path("risultati.pdf");
    t.dialogs.fileNames.push_back(pdf);
    t.click("BottonePdf");
    EXPECT_TRUE(testfiles::readBytes(pdf).startsWith("%PDF"));
    EXPECT_TRUE(t.find<QLabel>("LabelAvviso")->text().contains(pdf));

    t.click("BottoneCsv");   // cancelled: nothing written, nothing said
    EXPECT_TRUE(t.find<QLabel>("LabelAvviso")->text().contains(pdf));
}

// Where the chart's library is missing the screen keeps an empty frame in
// the chart's place, and the table and its exports work as before.
TEST_F(ResultsScreenTest, WithoutTheChartLibraryEverythingButTheChartWorks)
{
    for (const bool maker : {false, true}) {
        SCOPED_TRACE(maker);
        if (maker)
            t.app.makeDaysChart = [] { return nullptr; };   // the library did not load
        else
            t.app.makeDaysChart = nullptr;                   // no chart in this program
        played("Luca", "FormMM", "written", true);
        ResultsScreen* s = openResults();
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->daysChart(), nullptr);
        auto* frame = t.find<QFrame>("GraficoGiorni");
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_FALSE(frame->accessibleName().isEmpty());
        EXPECT_EQ(s->shownTable().size(), 2);
        const QString pdf = t.path(maker ? "senza-grafico-1.pdf" : "senza-grafico-2.pdf");
        t.dialogs.fileNames.push_back(pdf);
        t.click("BottonePdf");
        EXPECT_TRUE(testfiles::readBytes(pdf).startsWith("%PDF"));
        t.resize(QSize(1920, 1080));   // a rescale has no chart to size
        t.click("Command1");
    }
}

TEST_F(ResultsScreenTest, APinKeepsTheScreenShutAndFiveWrongTriesWaitAMinute)
{
    played("Luca", "FormMM", "written", true);
    store.setSetting("pin", pin::hash("2468", 1000));
    openResults();
    auto* table = t.find<QTableWidget>("TabellaRiassunto");
    EXPECT_FALSE(table->isVisible());
    EXPECT_FALSE(t.find("BottoneCsv")->isVisible());
    EXPECT_FALSE(t.find("BottoneGiocatori")->isVisible());
    EXPECT_TRUE(t.find("CornicePin")->isVisible());
    EXPECT_EQ(table->rowCount(), 0);   // nothing read either
    for (int i = 0; i < 5; ++i) {
        enterPin("1111");
        pinWorkDone(&PinWork::checked);
    }
    EXPECT_TRUE(t.find<QLabel>("LabelPinAvviso")->text().contains("60"));
    enterPin("2468");   // heard only after the minute
    EXPECT_FALSE(t.current()->findChild<PinWork*>()->busy());
    EXPECT_FALSE(table->isVisible());
    t.clock.advance(60);
    t.type("TestoPin", "2468");
    t.click("BottoneApri");
    EXPECT_FALSE(table->isVisible());   // not yet: the check is under way
    pinWorkDone(&PinWork::checked);
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(table->rowCount(), 1);
    // Kept with fewer iterations than now: kept anew, the same PIN.
    pinWorkDone(&PinWork::hashed);
    EXPECT_EQ(pin::iterationsOf(store.setting("pin")), pin::defaultIterations);
    EXPECT_TRUE(pin::verify("2468", store.setting("pin")));

    // The PIN can be changed and removed from there.
    t.click("BottonePin");
    t.type("TestoPinNuovo", "13579");
    t.type("TestoPinRipeti", "13578");
    t.click("BottonePinImposta");
    EXPECT_FALSE(t.current()->findChild<PinWork*>()->busy());   // refused at once
    EXPECT_TRUE(pin::verify("2468", store.setting("pin")));
    t.find<QLineEdit>("TestoPinNuovo")->clear();
    t.find<QLineEdit>("TestoPinRipeti")->clear();
    t.type("TestoPinNuovo", "13579");
    t.type("TestoPinRipeti", "13579");
    t.click("BottonePinImposta");
    pinWorkDone(&PinWork::hashed);
    EXPECT_TRUE(pin::verify("13579", store.setting("pin")));
    t.click("BottonePinTogli");
    EXPECT_TRUE(store.setting("pin").isEmpty());
    openResults();
    EXPECT_TRUE(t.find("TabellaRiassunto")->isVisible());
}

TEST_F(ResultsScreenTest, TheChartNamesOnlyTheDaysItHasRoomFor)
{
    for (int d = 0; d < ResultsScreen::ChartDays; ++d)
        played("Luca", "FormMM", "written", d % 3 != 0, 60 * 24 * d);
    ResultsScreen* s = openResults();
    ASSERT_NE(s, nullptr);
    const QString today = QString::number(QDate::currentDate().day());
    QSet<int> steps;
    for (QSize size : {QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080), QSize(2560, 1440)}) {
        SCOPED_TRACE(size.width());
        t.resize(size);
        QCoreApplication::sendPostedEvents();   // the chart lays itself out
        auto* x = qobject_cast<QCategoryAxis*>(chartOf(s)->axes(Qt::Horizontal).value(0));
        ASSERT_NE(x, nullptr);
        const QStringList names = x->categoriesLabels();
        const int step = s->dayLabelStep();
        steps << step;
        ASSERT_EQ(names.size(), ResultsScreen::ChartDays / step);
        EXPECT_TRUE(names.last().endsWith(today)) << names.last().toStdString();   // today's bar named last
        if (step == 7)
            EXPECT_EQ(names.last(), QString::number(QDate::currentDate().addDays(-6).day()) + QChar(0x2013) + today);
        // Each name fits its own days with a blank of two digits: the chart
        // neither cuts it short nor lets it touch the next.
        const QFontMetrics m(x->labelsFont());
        const double perDay = chartOf(s)->plotArea().width() / ResultsScreen::ChartDays;
        double from = x->startValue();
        for (const QString& name : names) {
            const double width = (x->endValue(name) - from) * perDay;
            EXPECT_GE(width, m.horizontalAdvance(name) + m.horizontalAdvance(QStringLiteral("00"))) << name.toStdString();
            EXPECT_DOUBLE_EQ(x->endValue(name) - from, step);
            from = x->endValue(name);
        }
    }
    EXPECT_EQ(steps, (QSet<int>{1, 7}));   // days on a wide display, weeks on a small one
}

// With large text the chart's own texts grow like the screen's, and the
// days named still fit under their bars.
TEST_F(ResultsScreenTest, TheChartsTextsFollowLargeText)
{
    for (int d = 0; d < ResultsScreen::ChartDays; ++d)
        played("Luca", "FormMM", "written", true, 60 * 24 * d);
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large);
        t.app.state.largeText = large;
        ResultsScreen* s = openResults();
        ASSERT_NE(s, nullptr);
        t.resize(QSize(1920, 1080));
        QCoreApplication::sendPostedEvents();
        ASSERT_EQ(s->textScale() > 1, large);
        for (QAbstractAxis* axis : chartOf(s)->axes())
            EXPECT_DOUBLE_EQ(axis->labelsFont().pointSizeF(), ResultsScreen::ChartAxisPoints * s->textScale());
        auto* x = qobject_cast<QCategoryAxis*>(chartOf(s)->axes(Qt::Horizontal).value(0));
        ASSERT_NE(x, nullptr);
        const QFontMetrics m(x->labelsFont());
        const double perDay = chartOf(s)->plotArea().width() / ResultsScreen::ChartDays;
        double from = x->startValue();
        for (const QString& name : x->categoriesLabels()) {
            EXPECT_GE((x->endValue(name) - from) * perDay, m.horizontalAdvance(name)) << name.toStdString();
            from = x->endValue(name);
        }
    }
}

TEST_F(ResultsScreenTest, ThePinIsCheckedWhileTheWindowGoesOn)
{
    played("Luca", "FormMM", "written", true);
    store.setSetting("pin", pin::hash("2468"));   // the slow derivation
    openResults();
    auto* box = t.find<QLineEdit>("TestoPin");
    enterPin("2468");
    // Back at once: the screen says it is checking and takes no other try.
    EXPECT_TRUE(t.current()->findChild<PinWork*>()->busy());
    EXPECT_EQ(t.find<QLabel>("LabelPinAvviso")->text(), "Controllo del PIN…");
    EXPECT_TRUE(box->isReadOnly());
    t.type("TestoPin", "1111");
    EXPECT_EQ(box->text(), "");
    t.click("BottoneApri");
    EXPECT_EQ(t.currentName(), "FormRisultati");
    EXPECT_FALSE(t.find("TabellaRiassunto")->isVisible());
    pinWorkDone(&PinWork::checked);
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_TRUE(t.find("TabellaRiassunto")->isVisible());

    // Leaving while a check is under way: the screen goes, nothing is left.
    openResults();
    enterPin("1111");
    ASSERT_TRUE(t.current()->findChild<PinWork*>()->busy());
    t.open("FormMenu");
    EXPECT_EQ(t.currentName(), "FormMenu");
    EXPECT_EQ(TestApp::screenCount(), 1);
}

TEST_F(ResultsScreenTest, PlayersAreAddedRenamedAndRemovedFromTheResultsScreen)
{
    openResults();
    t.click("BottoneGiocatori");
    ASSERT_TRUE(t.find("CorniceGiocatori")->isVisible());
    t.type("TestoNome", "Anna");
    t.click("BottoneAggiungi");
    t.find<QLineEdit>("TestoNome")->clear();
    t.type("TestoNome", "ANNA");
    t.click("BottoneAggiungi");
    EXPECT_EQ(t.find<QLabel>("LabelGiocatoriAvviso")->text(), "Questo nome c'è già.");
    t.find<QLineEdit>("TestoNome")->clear();
    t.type("TestoNome", "Luca");
    t.click("BottoneAggiungi");
    auto* list = t.find<QListWidget>("ElencoGiocatori");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Anna");

    list->setCurrentRow(0);
    t.find<QLineEdit>("TestoNome")->clear();
    t.type("TestoNome", "Anna Bianchi");
    t.click("BottoneRinomina");
    EXPECT_EQ(store.players(), (QStringList{"Anna Bianchi", "Luca"}));

    list = t.find<QListWidget>("ElencoGiocatori");
    list->setCurrentRow(0);
    t.click("BottoneTogli");   // No
    EXPECT_EQ(store.players().size(), 2);
    ASSERT_FALSE(t.dialogs.shown.empty());
    EXPECT_EQ(t.dialogs.shown.back().text, "Togliere Anna Bianchi e tutti i suoi risultati?");
    t.dialogs.answers.push_back(true);
    t.click("BottoneTogli");
    EXPECT_EQ(store.players(), QStringList{"Luca"});
}

TEST(ResultsScreenBrokenFile, TheResultsScreenSaysTheOldFileWasMovedAside)
{
    TestApp t;
    QDir().mkpath(t.path("results"));
    t.writeFile("results/results.sqlite", QByteArray("not a database at all").repeated(100));
    t.useLanguage(QStringLiteral("Italiano"),
                  QString::fromUtf8(testfiles::readBytes(QStringLiteral(CONTALANDIA_DATA_DIR "/Italiano.lng"))));
    ResultsStore& store = t.useResults();
    ASSERT_FALSE(store.movedAsideTo().isEmpty());
    t.random.setFallback(0.3);
    t.open("FormRisultati");
    const QString notice = t.find<QLabel>("LabelAvviso")->text();
    EXPECT_TRUE(notice.contains("era rovinato")) << notice.toStdString();
    EXPECT_TRUE(notice.contains(store.movedAsideTo()));
}

TEST_F(ResultsScreenTest, AChosenSignIsKeptWithTheTwoNumbers)
{
    t.random.setFallback(0.4);
    t.open("FormMenuNumeri");
    t.click("Command7");   // "< > ="
    ASSERT_EQ(t.currentName(), "FormMM");
    const QString first = t.find<QLabel>("EtNumero", 0)->text().trimmed();
    const QString second = t.find<QLabel>("EtNumero", 1)->text().trimmed();
    const QString sign = t.find<QPushButton>("Comando", 0)->text();
    t.click("Comando", 0);
    const auto a = kept();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].screen, "FormMM");
    EXPECT_EQ(a[0].problem, first + " ? " + second);
    EXPECT_EQ(a[0].answer, sign);
}

// The results group answers by family: every exercise screen of the
// catalogue has one, so a new screen cannot be kept under none.
TEST(ExerciseFamilies, EveryCatalogueScreenHasItsFamily)
{
    const std::pair<const char*, std::span<const ExerciseRow>> families[] = {
        {"written", writtenRows()}, {"columns", columnRows()},   {"abacus", abacusRows()},
        {"blocks", blocksRows()},   {"tables", tablesRows()},    {"numberlines", numberLineRows()}};
    int screens = 0;
    for (const auto& [family, rows] : families) {
        for (const ExerciseRow& row : rows) {
            EXPECT_EQ(exerciseFamily(QLatin1String(row.designName)), QLatin1String(family)) << row.designName;
            ++screens;
        }
    }
    EXPECT_GE(screens, 35);
    EXPECT_EQ(exerciseFamily("FormMenu"), QString());
}

// The notice says what is true of this computer's file, in the screen's
// language, and speaks of no server when none is set: here the file is held
// by another program as the program starts, and two answers wait in memory.
// The screen stays shut meanwhile (whether a PIN is set is not known), and
// opens with the answers once the file is free.
TEST(ResultsScreenNotice, SaysWhatIsTrueOfThisComputersFileInTheScreensLanguage)
{
    struct Case { const char* language; const char* unreadable; const char* busy; const char* waiting; };
    const Case cases[] = {
        {"Italiano", "I risultati di questo computer non si possono leggere ora",
         "un altro programma sta usando il file dei risultati", "2 risposte non sono ancora conservate"},
        {"English", "The results on this computer cannot be read now",
         "another program is using the results file", "2 answers are not kept yet"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        TestApp t;
        const QString file = t.path("results/results.sqlite");
        {
            ResultsStore::Setup s;
            s.config.localPath = file;
            ResultsStore earlier(s);
            AnswerRecord a;
            a.player = QStringLiteral("Anna");
            a.screen = a.title = QStringLiteral("FormMM");
            a.family = QStringLiteral("written");
            a.right = true;
            earlier.record(a);
        }
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(file);
        ASSERT_TRUE(holder.open());
        QSqlQuery hold(holder);
        ASSERT_TRUE(hold.exec(QStringLiteral("PRAGMA journal_mode = DELETE")));
        ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ASSERT_TRUE(hold.exec(QStringLiteral("INSERT INTO settings (key, value) VALUES ('held', 'yes')")));

        t.useLanguage(QString::fromLatin1(c.language),
                      QString::fromUtf8(testfiles::readBytes(QStringLiteral(CONTALANDIA_DATA_DIR "/")
                                                             + QLatin1String(c.language) + QStringLiteral(".lng"))));
        ResultsStore& store = t.useResults();
        for (int i = 0; i < 2; ++i) {
            AnswerRecord a;
            a.screen = a.title = QStringLiteral("FormMM");
            a.family = QStringLiteral("written");
            store.record(a);
        }
        QElapsedTimer waited;
        waited.start();
        while (store.notKept() < 2 && waited.elapsed() < 10000)
            QTest::qWait(20);
        t.random.setFallback(0.3);
        t.open("FormRisultati");
        const QString notice = t.find<QLabel>("LabelAvviso")->text();
        EXPECT_TRUE(notice.contains(QString::fromUtf8(c.unreadable))) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QString::fromUtf8(c.busy))) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QString::fromUtf8(c.waiting))) << notice.toStdString();
        EXPECT_FALSE(notice.contains(QStringLiteral("server"), Qt::CaseInsensitive)) << notice.toStdString();
        EXPECT_FALSE(notice.contains(QStringLiteral("locked"))) << notice.toStdString();   // no driver's words
        EXPECT_TRUE(t.find<QTableWidget>("TabellaRiassunto")->isHidden());

        ASSERT_TRUE(hold.exec(QStringLiteral("ROLLBACK")));
        hold.finish();
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        waited.restart();
        while (!(store.usable() && store.notKept() == 0) && waited.elapsed() < 10000)
            QTest::qWait(20);
        store.waitForWrites();
        QTest::qWait(50);
        auto* table = t.find<QTableWidget>("TabellaRiassunto");
        EXPECT_FALSE(table->isHidden());   // no PIN is set: the screen opens
        int answers = 0;
        for (int r = 0; r < table->rowCount(); ++r)
            answers += table->item(r, 3) ? table->item(r, 3)->text().toInt() : 0;
        EXPECT_EQ(answers, 3);
        EXPECT_FALSE(t.find<QLabel>("LabelAvviso")->text().contains(QString::fromUtf8(c.unreadable)));
    }
}

// A server that cannot be read: the screen shows this computer's answers,
// says so in its language, and the driver's words stay in the log.
TEST(ResultsScreenNotice, WithTheServerUnreadableThisComputersAnswersAreShown)
{
    TestApp t;
    t.useLanguage(QStringLiteral("Italiano"),
                  QString::fromUtf8(testfiles::readBytes(QStringLiteral(CONTALANDIA_DATA_DIR "/Italiano.lng"))));
    ResultsStore::Setup s;
    s.config.localPath = t.path("results/results.sqlite");
    s.config.server = parseServerAddress(QStringLiteral("postgresql://maestra@127.0.0.1:1/classe"));
    ASSERT_TRUE(s.config.server.has_value());
    s.computerUser = QStringLiteral("Maria Rossi");
    s.serverTimeoutSeconds = 1;
    t.results = std::make_unique<ResultsStore>(s);
    t.app.results = t.results.get();
    for (int i = 0; i < 4; ++i) {
        AnswerRecord a;
        a.screen = a.title = QStringLiteral("FormMM");
        a.family = QStringLiteral("written");
        a.right = i > 0;
        t.results->record(a);
    }
    t.results->waitForWrites();
    t.random.setFallback(0.3);
    // Shut while it is not known whether the class has a PIN (this
    // computer has never read the server's) ...
    t.open("FormRisultati");
    EXPECT_TRUE(t.find<QTableWidget>("TabellaRiassunto")->isHidden());
    EXPECT_TRUE(t.find("CornicePin")->isVisible());
    // ... open once it has read that there is none.
    t.results->setSetting(QStringLiteral("server_pin"), QString());
    t.open("FormMenu");
    t.open("FormRisultati");
    const QString notice = t.find<QLabel>("LabelAvviso")->text();
    EXPECT_TRUE(notice.contains(QStringLiteral("il server non risponde"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("solo le risposte date su questo computer"))) << notice.toStdString();
    EXPECT_FALSE(notice.contains(QStringLiteral("onnect"))) << notice.toStdString();   // no driver's words
    auto* table = t.find<QTableWidget>("TabellaRiassunto");
    ASSERT_GE(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Maria Rossi"));
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("4"));
}
