// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics after a match, with 200,000 matches stored: the game's own share (recording the
// match and handing it to the statistics' thread; target under 1 ms), the whole write there (one
// transaction in the database), and the summary of one level the statistics window asks for. For
// Export, the statistics file of earlier versions: written whole, and read; and one write of the
// match kept for resuming. Everything goes into a temporary folder under the working directory,
// on the disk the build is on.
#include "HitBlowController.h"
#include "expert/Codebreaker.h"
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsKeeper.h"
#include "statistics/StatisticsStore.h"
#include "core/MatchSnapshots.h"

#include "Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
MatchStatistics storedMatches(int count)
{
    MatchStatistics statistics;
    const QDateTime start(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        statistics.append(MatchRecord{start.addSecs(i * 300L), i % 4, MatchOutcome(i / 4 % 4), 1 + i % 16,
                                      i % 7 == 0, {}, {}, {}, {}, {}});
    }
    return statistics;
}

// A database of count matches, made once per count and kept for the run.
QString storedDatabase(int count)
{
    static QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("HitBlow/%1.sqlite").arg(count));
    if (!QFileInfo::exists(path)) {
        StatisticsStore store(path);
        store.append(storedMatches(count).matches());
    }
    return path;
}

void BM_RecordAfterMatch(benchmark::State &state)
{
    StatisticsKeeper keeper(storedDatabase(int(state.range(0))));
    FakeServices fakes;
    HitBlowController match(fakes.services());
    for (auto _ : state) {
        // A match abandoned in the computer's first pause, the quickest to reach.
        match.newGame();
        match.setGameStatus(GameStatusMacTurn);
        keeper.matchStarted();
        keeper.abandon(progressOf(match), 1);
        state.PauseTiming();
        keeper.waitForWrites();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecordAfterMatch)->Arg(200000)->Unit(benchmark::kMicrosecond);

// A match won at Normal in seven guesses, finished now.
MatchRecord matchWonNow()
{
    MatchRecord match;
    match.finished = QDateTime::currentDateTimeUtc();
    match.strength = 1;
    match.result = MatchOutcome::Won;
    match.guesses = 7;
    return match;
}

void BM_StoreMatch(benchmark::State &state)
{
    StatisticsStore store(storedDatabase(int(state.range(0))));
    const std::vector<MatchRecord> next = {matchWonNow()};
    for (auto _ : state) {
        if (!store.append(next))
            state.SkipWithError(qPrintable(store.detail()));
    }
}
BENCHMARK(BM_StoreMatch)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_SummaryOfALevel(benchmark::State &state)
{
    StatisticsStore store(storedDatabase(int(state.range(0))));
    // Opening checks the whole file once; the window asks of a store long open.
    store.open();
    for (auto _ : state) {
        const LevelSummary summary = store.summaryFor(1);
        benchmark::DoNotOptimize(summary.won);
    }
}
BENCHMARK(BM_SummaryOfALevel)->Arg(200000)->Unit(benchmark::kMillisecond);

// A match of Mac's longest kind as kept at each change of status: nine rounds at Easy, with the
// user's nine guesses. The bytes of one write of it, the figure to keep under 2 kB, are printed.
SavedMatch longKeptMatch()
{
    ScriptedRandomSource random;
    const NumberComparer rules(random);
    Codebreaker mac(rules);
    mac.newMatch();
    SavedMatch match;
    match.status = GameStatusUserTurn;
    match.strength = 0;
    match.macOwnNumbers = {3, 9, 5, 1};
    match.userOwnNumbers = {4, 5, 6, 7};
    for (int round = 0; round < 9; ++round) {
        const NumberSet guess = mac.takeGuess(0, random);
        const HitBlowResult score = rules.checkHitsBlowsIn(match.userOwnNumbers, guess);
        mac.takeScore(score.hits, score.blows, 0);
        if (round > 0)
            match.userTurns.push_back({{0, 1, 2, 3}, rules.checkHitsBlowsIn(match.macOwnNumbers, {0, 1, 2, 3})});
    }
    match.macTurns = mac.turns();
    match.macLevels = *mac.levels();
    return match;
}

void BM_KeepMatch(benchmark::State &state)
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    StatisticsStore store(folder.filePath(QStringLiteral("HitBlow/statistics.sqlite")));
    const QByteArray text = longKeptMatch().toJson();
    for (auto _ : state) {
        if (!store.keepMatch(text))
            state.SkipWithError(qPrintable(store.detail()));
    }
    state.counters["bytes"] = double(text.size());
    // The log after every one of those writes, each followed by a checkpoint.
    state.counters["wal_bytes"] = double(QFileInfo(store.path() + QStringLiteral("-wal")).size());
}
BENCHMARK(BM_KeepMatch)->Unit(benchmark::kMicrosecond);

// A hundred matches as a game stores them: the match kept after each of its nine rounds, then
// stored when it ends and its kept row removed. Reports the write-ahead log's size at the end.
void BM_HundredMatches(benchmark::State &state)
{
    const QByteArray text = longKeptMatch().toJson();
    const std::vector<MatchRecord> finished = {matchWonNow()};
    qint64 walBytes = 0;
    for (auto _ : state) {
        QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
        StatisticsStore store(folder.filePath(QStringLiteral("HitBlow/statistics.sqlite")));
        for (int match = 0; match < 100; ++match) {
            qint64 row = 0;
            for (int round = 0; round < 9; ++round)
                row = store.keepMatch(text, QStringLiteral("bench"), row);
            if (!row || !store.append(finished, [&](QString *) { return store.forgetKeptMatch(text, row); }))
                state.SkipWithError(qPrintable(store.detail()));
        }
        walBytes = QFileInfo(store.path() + QStringLiteral("-wal")).size();
    }
    state.counters["wal_bytes"] = double(walBytes);
}
BENCHMARK(BM_HundredMatches)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_WriteAfterMatch(benchmark::State &state)
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    StatisticsFile file(folder.filePath(QStringLiteral("HitBlow/statistics.json")));
    MatchStatistics statistics = storedMatches(int(state.range(0)));
    const MatchRecord next = matchWonNow();
    for (auto _ : state) {
        statistics.append(next);
        if (!file.save(statistics))
            state.SkipWithError(qPrintable(file.errorString()));
    }
    state.counters["bytes"] = double(QFileInfo(file.path()).size());
}
BENCHMARK(BM_WriteAfterMatch)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_FirstRead(benchmark::State &state)
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    StatisticsFile file(folder.filePath(QStringLiteral("HitBlow/statistics.json")));
    file.save(storedMatches(int(state.range(0))));
    for (auto _ : state) {
        const MatchStatistics loaded = file.load();
        benchmark::DoNotOptimize(loaded.matches().data());
    }
}
BENCHMARK(BM_FirstRead)->Arg(200000)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
