// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardMoment.h"

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "access/BoardSpeech.h"

#include <algorithm>

BoardMoment BoardMoment::of(const GameBoardView &board)
{
    BoardMoment moment;
    const HitBlowController *match = board.hitBlowController();
    if (!match)
        return moment;
    moment.status = gameStatusOf(match->gameStatus());
    // The computer opens every round, so its guesses count the rounds.
    moment.round = std::max<int>(1, int(match->macFormerAnswers().size()));
    if (moment.status == GameStatusCheckHitBlow && match->macCurrentAnswer()) {
        moment.macGuess = BoardSpeech::digits(*match->macCurrentAnswer());
        const std::vector<StyledText> counts = board.currenMacHitBlow();
        if (counts.size() == 2 && !counts[0].text.isEmpty() && !counts[1].text.isEmpty())
            moment.typedCounts = BoardSpeech::hits(counts[0].value()) + QStringLiteral(", ")
                + BoardSpeech::blows(counts[1].value());
    }

    moment.macScored = int(std::min(match->macFormerAnswers().size(), match->macFormerHitsCount().size()));
    moment.macScore = BoardSpeech::latestMacScore(*match);
    moment.userScored = int(match->userFormerAnswers().size());
    moment.userScore = BoardSpeech::latestUserScore(*match);
    if (match->dailyRound())
        moment.puzzle = match->dailyRound()->number();
    const QString result = BoardSpeech::result(match->matchResult());
    if (!result.isEmpty() && match->macOwnNumbers() && moment.puzzle > 0)
        moment.result = BoardSpeech::tr("%1. The puzzle's secret was %2.").arg(result, BoardSpeech::digits(*match->macOwnNumbers()));
    else if (!result.isEmpty() && match->macOwnNumbers())
        moment.result = BoardSpeech::tr("%1. Mac's number was %2.").arg(result, BoardSpeech::digits(*match->macOwnNumbers()));
    else if (!result.isEmpty())
        moment.result = BoardSpeech::tr("%1.", "the result as a sentence").arg(result);
    return moment;
}
