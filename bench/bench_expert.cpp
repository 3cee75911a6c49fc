// SPDX-License-Identifier: GPL-3.0-or-later
// The expert player's two kinds of move: a guess read from the decision tree (at every depth of
// a match) and the one-step guess it falls back on off the tree, at its worst: the second guess of
// a match, over the largest set of candidates one score can leave (1440, after 0-1).
#include "expert/Codebreaker.h"
#include "expert/DecisionTree.h"
#include "expert/ExpertPlayer.h"
#include "platform/RandomSource.h"

#include <benchmark/benchmark.h>

namespace {
// The same relabelling for every match, so that the benchmarks follow one path of the tree.
class FixedRandomSource final : public RandomSource
{
public:
    std::uint32_t draw() override { return 12345; }
};

FixedRandomSource fixedRandom;

struct Match {
    std::vector<CandidateList> candidates; // before each guess
    std::vector<Turn> turns;
};

// One whole match of the expert against secret, with every state it guessed from; the records
// leave out the winning guess.
Match playedMatch(const NumberComparer &comparer, Codebreaker &mac, const NumberSet &secret)
{
    Match match;
    mac.newMatch();
    for (;;) {
        match.candidates.push_back(*mac.candidates());
        const NumberSet guess = mac.takeGuess(kStrongestLevel, fixedRandom);
        const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
        if (score.hits == 4) {
            match.turns = mac.turns();
            return match;
        }
        mac.takeScore(score.hits, score.blows, kStrongestLevel);
    }
}

// A match that takes seven guesses: every depth of the tree.
Match longestMatch()
{
    const NumberComparer comparer;
    Codebreaker mac(comparer, ExpertPlayer(DecisionTree::builtIn()));
    Match longest;
    for (const NumberSet &secret : comparer.makeCandidatesArray()) {
        Match match = playedMatch(comparer, mac, secret);
        if (match.candidates.size() > longest.candidates.size())
            longest = std::move(match);
    }
    return longest;
}

void BM_TreeMove(benchmark::State &state)
{
    if (!DecisionTree::builtIn()) {
        state.SkipWithError("no built-in decision tree");
        return;
    }
    ExpertPlayer player(DecisionTree::builtIn());
    static const Match match = longestMatch();
    const std::size_t turn = std::min(std::size_t(state.range(0)), match.turns.size());
    const std::vector<Turn> turns(match.turns.begin(), match.turns.begin() + std::ptrdiff_t(turn));
    player.nextAnswer(match.candidates[0], {}, fixedRandom); // the match's relabelling
    for (auto _ : state)
        benchmark::DoNotOptimize(player.nextAnswer(match.candidates[turn], turns, fixedRandom));
    state.counters["guess"] = double(turn + 1);
    state.counters["candidates"] = double(match.candidates[turn].size());
}
BENCHMARK(BM_TreeMove)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

void BM_FallbackSecondGuess(benchmark::State &state)
{
    const std::vector<Turn> turns{{{0, 1, 2, 3}, {0, 1}}};
    CandidateList candidates = NumberComparer().makeCandidatesArray();
    ExpertPlayer::keepConsistent(candidates, turns);
    // No relabelling was drawn for this match, so its first guess is off the tree.
    ExpertPlayer player(DecisionTree::builtIn());
    player.newMatch();
    for (auto _ : state)
        benchmark::DoNotOptimize(player.nextAnswer(candidates, turns, fixedRandom));
    state.counters["candidates"] = double(candidates.size());
}
BENCHMARK(BM_FallbackSecondGuess)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
