// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsQueries.h"
#include "results/ResultsFixture.h"

#include <QTimeZone>

namespace {

QDateTime localNoon(QDate day)
{
    return QDateTime(day, QTime(12, 0)).toUTC();
}

// One player's fixture: per screen, right and wrong answers.
struct Played { const char* screen; const char* family; int right; int wrong; };

} // namespace

TEST_F(ResultsFixture, SummariesPutTheHardestExercisesFirst)
{
    auto store = makeStore();
    const QDate today = QDate::currentDate();
    const Played luca[] = {
        {"FormMM", "written", 9, 1},       // easy: ease 10/12
        {"Form999c", "abacus", 2, 6},      // hard: 3/10
        {"Form33", "columns", 0, 1},       // one wrong answer only: 1/3, less sure than Form999c
        {"FormGradi1", "numberlines", 1, 2}, // 2/5
        {"Form999d", "abacus", 2, 1},      // 3/5
    };
    qint64 minutes = 0;
    for (const Played& p : luca) {
        for (int i = 0; i < p.right + p.wrong; ++i)
            store->record(answer(QLatin1String(p.screen), i < p.right,
                                 localNoon(today).addSecs(60 * ++minutes), QStringLiteral("Luca"),
                                 QLatin1String(p.family)));
    }
    store->record(answer(QStringLiteral("FormMM"), false, localNoon(today), QStringLiteral("anna"), QStringLiteral("written")));
    store->waitForWrites();

    auto r = store->reading();
    QString error;
    std::vector<SummaryRow> rows = resultsQueries::screenSummaries(r.db, {}, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    summaries::sortByStruggle(rows);
    QStringList order;
    for (const SummaryRow& s : rows)
        order << s.player + QLatin1Char(':') + s.screen;
    EXPECT_EQ(order, (QStringList{"anna:FormMM", "Luca:Form999c", "Luca:Form33", "Luca:FormGradi1",
                                  "Luca:Form999d", "Luca:FormMM"}));
    const SummaryRow& hardest = rows[1];
    EXPECT_EQ(hardest.answers, 8);
    EXPECT_EQ(hardest.right, 2);
    EXPECT_DOUBLE_EQ(hardest.shareRight(), 0.25);
    EXPECT_EQ(rows.back().lastMs, localNoon(today).addSecs(60 * 10).toMSecsSinceEpoch());

    std::vector<SummaryRow> families = summaries::byFamily(rows);
    QStringList familyOrder;
    for (const SummaryRow& s : families)
        familyOrder << QStringLiteral("%1:%2 %3/%4").arg(s.player, s.family).arg(s.right).arg(s.answers);
    // abacus 5/13 is below numberlines 2/5
    EXPECT_EQ(familyOrder, (QStringList{"anna:written 0/1", "Luca:columns 0/1", "Luca:abacus 4/11",
                                        "Luca:numberlines 1/3", "Luca:written 9/10"}));

    // One player's rows only, by the key that ignores case.
    EXPECT_EQ(resultsQueries::screenSummaries(r.db, playerKey(QStringLiteral("LUCA")), nullptr).size(), 5u);
}

// The database keeps the summaries itself: they stay what grouping the
// answers gives through an answer stored twice, one recorded out of time
// order, a rename to another name and to the same name in capitals, and a
// player removed with the answers.
TEST_F(ResultsFixture, TheKeptSummariesFollowEveryChangeOfTheAnswers)
{
    auto store = makeStore();
    ASSERT_EQ(store->addPlayer(QStringLiteral("Luca")), players::Problem::None);
    ASSERT_EQ(store->addPlayer(QStringLiteral("Anna")), players::Problem::None);
    const QDateTime noon = localNoon(QDate::currentDate());
    AnswerRecord late = answer(QStringLiteral("FormMM"), true, noon.addSecs(600), QStringLiteral("Luca"));
    late.id = QUuid::createUuid();
    late.title = QStringLiteral("più 10");
    store->record(late);
    store->record(late);   // the same answer again: stored once
    AnswerRecord early = answer(QStringLiteral("FormMM"), false, noon, QStringLiteral("Luca"));
    early.title = QStringLiteral("plus 10");
    store->record(early);
    for (int i = 0; i < 4; ++i) {
        AnswerRecord a = answer(QStringLiteral("Form999c"), i % 2 == 0, noon.addSecs(i), QStringLiteral("Anna"),
                                QStringLiteral("abacus"));
        a.mode = i < 2 ? 0 : 2;
        store->record(a);
    }
    store->waitForWrites();
    auto r = store->reading();
    expectTotalsAsGrouped(r.db);
    std::vector<SummaryRow> luca = resultsQueries::screenSummaries(r.db, playerKey(QStringLiteral("luca")), nullptr);
    ASSERT_EQ(luca.size(), 1u);
    EXPECT_EQ(luca[0].answers, 2);
    EXPECT_EQ(luca[0].right, 1);
    EXPECT_EQ(luca[0].lastMs, noon.addSecs(600).toMSecsSinceEpoch());
    EXPECT_EQ(luca[0].title, QStringLiteral("plus 10"));
    EXPECT_EQ(resultsQueries::screenSummaries(r.db, {}, nullptr).size(), 3u);

    ASSERT_EQ(store->renamePlayer(QStringLiteral("Luca"), QStringLiteral("Luca Verdi")), players::Problem::None);
    expectTotalsAsGrouped(r.db);
    ASSERT_EQ(store->renamePlayer(QStringLiteral("luca verdi"), QStringLiteral("LUCA VERDI")), players::Problem::None);
    expectTotalsAsGrouped(r.db);
    luca = resultsQueries::screenSummaries(r.db, playerKey(QStringLiteral("Luca Verdi")), nullptr);
    ASSERT_EQ(luca.size(), 1u);
    EXPECT_EQ(luca[0].player, QStringLiteral("LUCA VERDI"));
    EXPECT_EQ(luca[0].answers, 2);

    ASSERT_EQ(store->removePlayer(QStringLiteral("anna")), players::Problem::None);
    expectTotalsAsGrouped(r.db);
    EXPECT_EQ(resultsQueries::screenSummaries(r.db, {}, nullptr).size(), 1u);
}

TEST_F(ResultsFixture, RightAndWrongAreCountedPerLocalDay)
{
    auto store = makeStore();
    const QDate today = QDate::currentDate();
    const QDate d1 = today.addDays(-3);
    // Just after local midnight and just before the next: one local day,
    // whatever the time zone makes of them in UTC.
    store->record(answer(QStringLiteral("FormMM"), true, QDateTime(d1, QTime(0, 0, 30)).toUTC()));
    store->record(answer(QStringLiteral("FormMM"), false, QDateTime(d1, QTime(23, 59, 30)).toUTC()));
    store->record(answer(QStringLiteral("FormMM"), false, QDateTime(d1, QTime(23, 59, 40)).toUTC()));
    store->record(answer(QStringLiteral("Form999a"), true, localNoon(today), {}, QStringLiteral("abacus")));
    store->record(answer(QStringLiteral("FormMM"), true, localNoon(today.addDays(-40))));   // before the chart
    store->waitForWrites();

    auto r = store->reading();
    QString error;
    const auto counted = resultsQueries::perDay(r.db, r.dialect, {}, {}, today.addDays(-27), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const auto days = summaries::everyDay(counted, today.addDays(-27), today);
    ASSERT_EQ(days.size(), 28u);
    EXPECT_EQ(days[24].day, d1);
    EXPECT_EQ(days[24].right, 1);
    EXPECT_EQ(days[24].wrong, 2);
    EXPECT_EQ(days[27].right, 1);
    qint64 all = 0;
    for (const DayCount& d : days)
        all += d.right + d.wrong;
    EXPECT_EQ(all, 4);

    const auto abacus = resultsQueries::perDay(r.db, r.dialect, {}, QStringLiteral("abacus"), today.addDays(-27), nullptr);
    ASSERT_EQ(abacus.size(), 1u);
    EXPECT_EQ(abacus[0].day, today);
}

TEST(Summaries, EaseWeighsFewAnswersLess)
{
    SummaryRow oneWrong;
    oneWrong.answers = 1;
    SummaryRow manyWrong;
    manyWrong.answers = 20;
    manyWrong.right = 4;
    EXPECT_GT(summaries::ease(oneWrong), summaries::ease(manyWrong));
    EXPECT_DOUBLE_EQ(summaries::ease(SummaryRow{}), 0.5);
}
