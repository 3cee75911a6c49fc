// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's reasoning: one pruning of the full candidate list at each strength level, and the
// computer's whole share of a match (every pick and pruning until it finds the secret).
#include "NumberComparer.h"

#include <benchmark/benchmark.h>

namespace {
void BM_PruneFullList(benchmark::State &state)
{
    const int level = static_cast<int>(state.range(0));
    const NumberComparer comparer;
    const CandidateList full = comparer.makeCandidatesArray();
    const NumberSet guess{0, 1, 2, 3};
    for (auto _ : state) {
        CandidateList candidates = full;
        comparer.removeCandidatesIn(candidates, guess, 1, 1, {guess}, {1}, {1}, level);
        benchmark::DoNotOptimize(candidates.data());
    }
}
BENCHMARK(BM_PruneFullList)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_ComputerFindsSecret(benchmark::State &state)
{
    const int level = static_cast<int>(state.range(0));
    const NumberComparer comparer;
    const CandidateList full = comparer.makeCandidatesArray();
    std::size_t next = 0;
    long guesses = 0;
    for (auto _ : state) {
        const NumberSet secret = full[next];
        next = (next + 613) % full.size();
        CandidateList candidates = full;
        std::vector<NumberSet> answers;
        std::vector<int> hits, blows;
        for (;;) {
            const NumberSet guess = comparer.choseNumbersIn(candidates);
            ++guesses;
            const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
            if (score.hits == 4 || candidates.empty())
                break;
            answers.push_back(guess);
            hits.push_back(score.hits);
            blows.push_back(score.blows);
            comparer.removeCandidatesIn(candidates, guess, score.hits, score.blows, answers, hits, blows, level);
        }
    }
    state.counters["guesses/match"] = benchmark::Counter(static_cast<double>(guesses) / state.iterations());
}
BENCHMARK(BM_ComputerFindsSecret)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
