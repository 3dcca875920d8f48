// SPDX-License-Identifier: GPL-3.0-or-later
// The results store with a year of a class's answers in it: what recording
// one more answer costs the user-interface thread, and what reading the
// results screen's summaries costs.
#include "app/ScreenCatalog.h"
#include "framework/AppContext.h"
#include "services/QtDaysChart.h"
#include "results/ResultsQueries.h"
#include "results/ResultsStore.h"
#include "results/Summaries.h"
#include "services/RandomSource.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr int storedAnswers = 100000;

// A store whose database holds `storedAnswers` answers of 25 players over
// the last 120 days on 35 screens, written in one transaction.
struct FilledStore
{
    QTemporaryDir dir;
    std::unique_ptr<ResultsStore> store;

    FilledStore()
    {
        ResultsStore::Setup s;
        s.config.localPath = QDir(dir.path()).filePath(QStringLiteral("results.sqlite"));
        s.computer = QStringLiteral("bench");
        s.computerUser = QStringLiteral("Bench");
        store = std::make_unique<ResultsStore>(s);
        QSqlDatabase db = store->reading().db;
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO answers (id, at_ms, player, player_key, computer, screen, mode, "
                                 "title, family, problem, answer, is_right) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (int i = 0; i < storedAnswers; ++i) {
            const QString player = QStringLiteral("Player %1").arg(i % 25);
            q.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
            q.addBindValue(now - qint64(i) * 120 * 86400000LL / storedAnswers);
            q.addBindValue(player);
            q.addBindValue(playerKey(player));
            q.addBindValue(QStringLiteral("pc%1").arg(i % 5));
            q.addBindValue(QStringLiteral("Form%1").arg(i % 35));
            q.addBindValue(i % 21);
            q.addBindValue(QStringLiteral("Screen %1").arg(i % 35));
            q.addBindValue(QStringLiteral("family%1").arg(i % 6));
            q.addBindValue(QStringLiteral(" %1 + 10 = ").arg(i % 990));
            q.addBindValue(QString::number(i % 1000));
            q.addBindValue(i % 3 == 0 ? 0 : 1);
            q.exec();
        }
        db.commit();
    }
};

FilledStore& filled()
{
    static FilledStore f;
    return f;
}

// One answer recorded as the frame records it, timed one by one on this
// (the user-interface) thread: median and 99th percentile in microseconds.
void BM_RecordOneAnswer(benchmark::State& state)
{
    ResultsStore& store = *filled().store;
    AnswerRecord a;
    a.screen = QStringLiteral("FormScri");
    a.family = QStringLiteral("written");
    a.title = QStringLiteral("più 10");
    a.problem = QStringLiteral(" 17 + 10 = ");
    a.answer = QStringLiteral("27");
    a.right = true;
    std::vector<double> us;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        store.record(a);
        const auto t1 = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    store.waitForWrites();
    std::sort(us.begin(), us.end());
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["p99_us"] = us[std::min(us.size() - 1, us.size() * 99 / 100)];
    state.counters["max_us"] = us.back();
}
BENCHMARK(BM_RecordOneAnswer)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// What the results screen reads when it opens: every player's summaries,
// in struggle order, per screen and per family, and the last four weeks.
void BM_ReadSummaries(benchmark::State& state)
{
    ResultsStore& store = *filled().store;
    for (auto _ : state) {
        auto r = store.reading();
        std::vector<SummaryRow> rows = resultsQueries::screenSummaries(r.db, {}, nullptr);
        summaries::sortByStruggle(rows);
        auto families = summaries::byFamily(rows);
        auto days = resultsQueries::perDay(r.db, r.dialect, {}, {}, QDate::currentDate().addDays(-27), nullptr);
        benchmark::DoNotOptimize(families);
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_ReadSummaries)->Unit(benchmark::kMillisecond);

// Opening this computer's database at start: the file's quick check and
// the schema version, with all the answers in it.
void BM_OpenStore(benchmark::State& state)
{
    const QString path = QDir(filled().dir.path()).filePath(QStringLiteral("results.sqlite"));
    for (auto _ : state) {
        ResultsStore::Setup s;
        s.config.localPath = path;
        s.computerUser = QStringLiteral("Bench");
        ResultsStore store(s);
        benchmark::DoNotOptimize(store.usable());
    }
}
BENCHMARK(BM_OpenStore)->Unit(benchmark::kMillisecond);

// The results screen opened from the main menu over the 100 000 answers,
// in Italian: read, sorted, the table filled, the chart drawn and painted.
void BM_OpenResultsScreen(benchmark::State& state)
{
    FilledStore& filledStore = filled();
    QTemporaryDir dir;
    const QDir data(QStringLiteral(CONTALANDIA_DATA_DIR));
    for (const QString& f : data.entryList({QStringLiteral("*.lng")}, QDir::Files))
        QFile::copy(data.filePath(f), QDir(dir.path()).filePath(f));
    QFile settings(QDir(dir.path()).filePath(QStringLiteral("LangSetting.ini")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[Language]\r\nCurrentLanguage=Italiano\r\n");
    settings.close();
    ClockRandomSource random;
    RecordingPlayer player;
    ScriptedDialogs dialogs;
    FakeClock clock;
    AppContext app(random, player, dialogs, clock, dir.path());
    app.results = filledStore.store.get();
    app.makeDaysChart = [] { return new QtDaysChart; };
    registerScreens(app.navigator);
    auto settle = [] {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    for (auto _ : state) {
        state.PauseTiming();
        app.navigator.open(QStringLiteral("FormMenu"));
        settle();
        state.ResumeTiming();
        app.navigator.open(QStringLiteral("FormRisultati"));
        settle();
    }
    app.navigator.closeAll();
    settle();
}
BENCHMARK(BM_OpenResultsScreen)->Unit(benchmark::kMillisecond);

} // namespace
