// The statistics after a match, with many matches stored: the game's own share (recording the match
// and handing a copy to the file's thread; the target is under 5 ms with 10,000 stored), the whole
// write on the file's thread (every match written again and synced to the disk), and the first
// read of the file. The file goes into a temporary folder under the working directory, on the
// disk the build is on.
#include "HitBlowController.h"
#include "match/StatisticsFile.h"
#include "match/StatisticsKeeper.h"
#include "ui/MatchSnapshots.h"

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
        statistics.append(MatchRecord{start.addSecs(i * 300L), i % 4, MatchOutcome(i % 4), 1 + i % 16,
                                      i % 7 == 0, {}});
    }
    return statistics;
}

void BM_RecordAfterMatch(benchmark::State &state)
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("HitBlow/statistics.json"));
    StatisticsFile(path).save(storedMatches(int(state.range(0))));
    StatisticsKeeper keeper(path);
    keeper.statistics();
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
BENCHMARK(BM_RecordAfterMatch)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteAfterMatch(benchmark::State &state)
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    StatisticsFile file(folder.filePath(QStringLiteral("HitBlow/statistics.json")));
    MatchStatistics statistics = storedMatches(int(state.range(0)));
    const MatchRecord next{QDateTime::currentDateTimeUtc(), 1, MatchOutcome::Won, 7, false, {}};
    for (auto _ : state) {
        statistics.append(next);
        if (!file.save(statistics))
            state.SkipWithError(qPrintable(file.errorString()));
    }
    state.counters["bytes"] = double(QFileInfo(file.path()).size());
}
BENCHMARK(BM_WriteAfterMatch)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_FirstRead)->Arg(10000)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
