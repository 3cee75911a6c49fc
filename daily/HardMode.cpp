// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/HardMode.h"

namespace HardMode {

std::optional<Turn> contradiction(const NumberSet &guess, const std::vector<Turn> &earlier)
{
    const NumberComparer rules;
    for (const Turn &turn : earlier) {
        const HitBlowResult score = rules.checkHitsBlowsIn(guess, turn.guess);
        if (score.hits != turn.score.hits || score.blows != turn.score.blows)
            return turn;
    }
    return std::nullopt;
}

} // namespace HardMode
