// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window with 200,000 matches stored: the time from asking for it until it shows
// its figures and latest matches (target: under 300 ms), and the resident memory then (target:
// under 60 MB), each the median of several openings. The database goes into a temporary folder
// under the working directory, on the disk the build is on. Prints figures; it fails only when
// the window never fills.
#include "ui/StatisticsDialog.h"
#include "statistics/StatisticsStore.h"
#include "statistics/StatisticsKeeper.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kStored = 200000;
constexpr int kOpenings = 7;

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const auto found = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return found.captured(1).toDouble() / 1024;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-statistics-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("HitBlow/statistics.sqlite"));
    {
        StatisticsStore store(path);
        std::vector<MatchRecord> matches;
        const QDateTime start(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
        for (int i = 0; i < kStored; ++i) {
            matches.push_back(MatchRecord{start.addSecs(i * 300L), i % 4, MatchOutcome(i / 4 % 4), 1 + i % 16,
                                          i % 7 == 0, {}, {}, {}, {}, {}});
        }
        if (!store.append(matches)) {
            std::fprintf(stderr, "bench_statistics_window: %s\n", qPrintable(store.detail()));
            return 1;
        }
    }
    StatisticsKeeper keeper(path);
    std::printf("before the first window: %.1f MB resident\n", residentMegabytes());

    std::vector<double> times;
    std::vector<double> resident;
    for (int opening = 1; opening <= kOpenings; ++opening) {
        QElapsedTimer clock;
        clock.start();
        StatisticsDialog dialog(keeper, opening % 4);
        dialog.show();
        while (dialog.figure(QStringLiteral("Won")).isEmpty() || dialog.latestMatches()->topLevelItemCount() == 0) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            if (clock.elapsed() > 20000) {
                std::fprintf(stderr, "bench_statistics_window: the window never filled\n");
                return 1;
            }
        }
        times.push_back(clock.nsecsElapsed() / 1e6);
        resident.push_back(residentMegabytes());
        std::printf("opening %d (%s): filled in %.1f ms, %.1f MB resident, %s won\n", opening,
                    qPrintable(StatisticsDialog::strengthName(opening % 4)), times.back(), resident.back(),
                    qPrintable(dialog.figure(QStringLiteral("Won"))));
    }
    std::printf("median of %d openings with %d matches stored: %.1f ms (target < 300 ms), %.1f MB resident "
                "(target < 60 MB); the first opening also opens the database\n",
                kOpenings, kStored, median(times), median(resident));
    return 0;
}
