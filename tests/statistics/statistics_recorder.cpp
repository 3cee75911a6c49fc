// SPDX-License-Identifier: GPL-3.0-or-later
// A game reduced to its statistics: records matches through StatisticsKeeper into the statistics
// under $XDG_DATA_HOME, as the game does, so that a test can run several at once on one folder.
//
// Usage: statistics_recorder COUNT STRENGTH
// Each match is given up in Mac's first pause, the quickest state to reach, and the next starts a
// millisecond later, so that the writes of two recorders interleave.
#include "HitBlowController.h"
#include "statistics/StatisticsKeeper.h"
#include "core/MatchSnapshots.h"

#include "Fakes.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    bool countOk = false;
    bool strengthOk = false;
    const int count = arguments.value(1).toInt(&countOk);
    const int strength = arguments.value(2).toInt(&strengthOk);
    if (arguments.size() != 3 || !countOk || !strengthOk) {
        std::fprintf(stderr, "usage: statistics_recorder COUNT STRENGTH\n");
        return 2;
    }
    FakeServices fakes;
    HitBlowController match(fakes.services());
    StatisticsKeeper keeper;
    QObject::connect(&match, &HitBlowController::gameStatusChanged,
                     [&] { keeper.matchStatusChanged(progressOf(match), strength); });
    for (int i = 0; i < count; ++i) {
        match.newGame();
        match.setGameStatus(GameStatusMacTurn);
        keeper.abandon(progressOf(match), strength);
        QThread::msleep(1);
    }
    keeper.waitForWrites();
    QObject::disconnect(&match, &HitBlowController::gameStatusChanged, nullptr, nullptr);
    if (!keeper.saveProblem().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(keeper.saveProblem()));
        return 1;
    }
    return 0;
}
