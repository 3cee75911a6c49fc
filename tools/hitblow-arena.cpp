// hitblow-arena --level L --rounds N
//
// Lets the computer player find every one of the 5040 secrets N times at strength level L, with
// picks, scores and prunings as a match makes them, and prints how many guesses it needed.
#include "NumberComparer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string_view>

namespace {
int usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--level 0|1|2] [--rounds N]\n", program);
    return 2;
}

// Plays the computer's side until it guesses secret; returns the number of guesses, or 0 if the
// candidates ran out (which would be a fault in the rules).
int guessesToFind(const NumberComparer &comparer, const CandidateList &full, const NumberSet &secret, int level)
{
    CandidateList candidates = full;
    std::vector<NumberSet> answers;
    std::vector<int> hits, blows;
    for (int guesses = 1; !candidates.empty(); ++guesses) {
        const NumberSet guess = comparer.choseNumbersIn(candidates);
        const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
        if (score.hits == 4)
            return guesses;
        answers.push_back(guess);
        hits.push_back(score.hits);
        blows.push_back(score.blows);
        comparer.removeCandidatesIn(candidates, guess, score.hits, score.blows, answers, hits, blows, level);
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    int level = 1;
    long rounds = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--level" || arg == "--rounds") && i + 1 < argc) {
            char *end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 0)
                return usage(argv[0]);
            if (arg == "--level")
                level = static_cast<int>(value);
            else
                rounds = value;
        } else {
            return usage(argv[0]);
        }
    }

    const NumberComparer comparer;
    const CandidateList full = comparer.makeCandidatesArray();
    std::map<int, long> distribution;
    long total = 0, matches = 0, failures = 0;
    int worst = 0;

    const auto start = std::chrono::steady_clock::now();
    for (long round = 0; round < rounds; ++round) {
        for (const NumberSet &secret : full) {
            const int guesses = guessesToFind(comparer, full, secret, level);
            if (guesses == 0) {
                ++failures;
                continue;
            }
            ++distribution[guesses];
            total += guesses;
            ++matches;
            worst = std::max(worst, guesses);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("level %d, %ld rounds, %ld matches\n", level, rounds, matches);
    std::printf("average guesses %.3f, worst %d\n", matches ? double(total) / matches : 0.0, worst);
    for (const auto &[guesses, count] : distribution)
        std::printf("%3d guesses: %7ld  (%5.2f%%)\n", guesses, count, 100.0 * count / matches);
    std::printf("%.3f s in all, %.3f s per round\n", seconds, rounds ? seconds / rounds : 0.0);
    if (failures) {
        std::printf("%ld matches ran out of candidates\n", failures);
        return 1;
    }
    return 0;
}
