// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/DailyShare.h"

namespace DailyShare {

QString text(int puzzle, const std::vector<Turn> &turns, bool solved, bool hardMode, int mostGuesses)
{
    const QString count = solved ? QString::number(turns.size()) : QStringLiteral("X");
    QString shared = QStringLiteral("Hit & Blow #%1 %2/%3%4")
                         .arg(puzzle)
                         .arg(count)
                         .arg(mostGuesses)
                         .arg(hardMode ? QStringLiteral("*") : QString());
    for (const Turn &turn : turns) {
        const int neither = kDigitCount - turn.score.hits - turn.score.blows;
        shared += QLatin1Char('\n') + QString(turn.score.hits, QChar(0x25CF)) + QString(turn.score.blows, QChar(0x25CB))
            + QString(neither, QChar(0x00B7));
    }
    return shared;
}

} // namespace DailyShare
