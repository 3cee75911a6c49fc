// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file of earlier versions with 200,000 matches, each with its turns: the peak
// resident memory of a game that imports it at its first start (target: under 100 MB), and of
// one that exports those matches again (target: under 80 MB), each measured in a process of its
// own started from this one, as a game does either once. Everything goes into a temporary folder
// under the working directory, on the disk the build is on, or into the folder given. Prints figures; it fails only when
// the import or the export does.
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int kMatches = 200000;

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const auto found = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return found.captured(1).toDouble() / 1024;
}

// Matches of every strength and result, each with as many turns as guesses, scored against one
// secret.
bool writeOldFile(const QString &path)
{
    MatchStatistics statistics;
    const QDateTime start(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    const NumberSet secret{9, 8, 7, 6};
    for (int i = 0; i < kMatches; ++i) {
        MatchRecord match{start.addSecs(i * 300L), i % 4, MatchOutcome(i / 4 % 4), 1 + i % 16, i % 7 == 0,
                          {}, {}, {}, {}, {}};
        for (int turn = 0; turn < match.guesses; ++turn) {
            const NumberSet guess{turn % 10, (turn + 1) % 10, (turn + 2) % 10, (turn + 3) % 10};
            int hits = 0;
            int blows = 0;
            for (std::size_t digit = 0; digit < guess.size(); ++digit) {
                hits += guess[digit] == secret[digit];
                blows += guess[digit] != secret[digit]
                    && std::find(secret.begin(), secret.end(), guess[digit]) != secret.end();
            }
            match.turns.turns.push_back(Turn{guess, {hits, blows}});
        }
        statistics.append(match);
    }
    StatisticsFile file(path);
    return file.save(statistics);
}

// One game that imports the old file, or exports the statistics; prints its peak.
int measure(const QString &step, const QString &folder)
{
    const QString database = folder + QStringLiteral("/HitBlow/statistics.sqlite");
    QElapsedTimer clock;
    clock.start();
    StatisticsKeeper keeper(database);
    QString outcome;
    if (step == QLatin1String("import")) {
        const int stored = keeper.askAndWait<int>([](StatisticsStore &store) { return store.matchCount(); });
        const StatisticsImport::Report report = keeper.takeImportReport();
        if (report.imported != kMatches || stored != kMatches) {
            std::fprintf(stderr, "bench_statistics_files: %d imported, %d stored: %s\n", report.imported, stored,
                         qPrintable(report.detail));
            return 1;
        }
        outcome = QStringLiteral("%1 matches imported").arg(stored);
    } else {
        QString error;
        QEventLoop answered;
        keeper.exportTo(folder + QStringLiteral("/exported.json"), &keeper, [&](const QString &why) {
            error = why;
            answered.quit();
        });
        answered.exec();
        if (!error.isEmpty()) {
            std::fprintf(stderr, "bench_statistics_files: the export failed: %s\n", qPrintable(error));
            return 1;
        }
        outcome = QStringLiteral("%1 bytes exported").arg(QFileInfo(folder + QStringLiteral("/exported.json")).size());
    }
    std::printf("%s of %d matches: %.0f ms, %s, peak %.1f MB resident (target < %d MB)\n", qPrintable(step),
                kMatches, clock.nsecsElapsed() / 1e6, qPrintable(outcome), peakMegabytes(),
                step == QLatin1String("import") ? 100 : 80);
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3)
        return measure(arguments[1], arguments[2]);

    // A folder given is kept, with the exported file, for comparing exports.
    QTemporaryDir temporary(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    const QDir folder(arguments.size() == 2 ? arguments[1] : temporary.path());
    const QString oldFile = folder.filePath(QStringLiteral("HitBlow/statistics.json"));
    if (!writeOldFile(oldFile)) {
        std::fprintf(stderr, "bench_statistics_files: the old file could not be written\n");
        return 1;
    }
    std::printf("statistics.json of %d matches: %lld bytes\n", kMatches, QFileInfo(oldFile).size());
    std::fflush(stdout);
    for (const char *step : {"import", "export"}) {
        QProcess game;
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(step), folder.path()});
        if (!game.waitForFinished(600000) || game.exitStatus() != QProcess::NormalExit || game.exitCode() != 0)
            return 1;
    }
    return 0;
}
