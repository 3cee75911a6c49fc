// SPDX-License-Identifier: GPL-3.0-or-later
// hitblow-arena --level L --rounds N [--trace]
// hitblow-arena --review < TRACES
// hitblow-arena --daily N | N-M | today
//
// Lets the computer player find every one of the 5040 secrets N times at strength level L, with
// picks, scores and prunings as a match makes them, and prints how many guesses it needed. With
// --trace it then prints every game on a line of its own: "SECRET: GUESS H-B, GUESS H-B, ...".
// --review reads such lines and prints what each guess was worth (see ArenaReview.h).
// --daily prints the daily puzzles asked for, a line each: "puzzle N date YYYY-MM-DD secret DDDD".
// --duel-host and --duel-join play one side of a duel on the network (see ArenaDuel.h).
#include "ArenaDuel.h"
#include "ArenaReview.h"
#include "daily/DailyPuzzle.h"
#include "NumberComparer.h"
#include "expert/Codebreaker.h"
#include "expert/DecisionTree.h"
#include "expert/ExpertPlayer.h"
#include "platform/RandomSource.h"
#include "rules/NumberText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <string_view>

namespace {
// The draws of the expert's relabelling: the same for every game of a round, so that a round plays
// every secret against one strategy and its total is the tree's own; each round has its own.
class RoundRandomSource final : public RandomSource
{
public:
    void restartRound(long round) { m_generator.seed(std::uint32_t(round)); }
    std::uint32_t draw() override { return m_generator() & 0x7fffffffu; }

private:
    std::mt19937 m_generator;
};

int usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--level 0|1|2|3] [--rounds N] [--trace] | --review | --daily N|N-M|today\n"
                          "       | --duel-host [ADDRESS:]PORT | --duel-join HOST:PORT  --secret DDDD [--lie]\n",
                 program);
    return 2;
}

std::string digitsOf(const NumberSet &number)
{
    std::string text;
    for (int digit : number)
        text += char('0' + digit);
    return text;
}

// Plays the computer's side until it guesses secret; returns the number of guesses, or 0 if the
// candidates ran out (which would be a fault in the rules). Appends the game to trace when given.
int guessesToFind(const NumberComparer &comparer, Codebreaker &mac, RoundRandomSource &relabelling,
                  long round, const NumberSet &secret, int level, std::string *trace)
{
    if (trace)
        *trace += digitsOf(secret) + ":";
    mac.newMatch();
    relabelling.restartRound(round);
    for (int guesses = 1; !mac.candidates()->empty(); ++guesses) {
        const NumberSet guess = mac.takeGuess(level, relabelling);
        const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
        if (trace) {
            *trace += (guesses > 1 ? ", " : " ") + digitsOf(guess) + " " + std::to_string(score.hits) + "-"
                + std::to_string(score.blows);
        }
        if (score.hits == 4)
            return guesses;
        mac.takeScore(score.hits, score.blows, level);
    }
    return 0;
}
// A puzzle number of 1 or more, written in full; 0 for anything else.
int puzzleNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    return std::stoi(std::string(text));
}

// Prints the puzzles of range ("N", "N-M" or "today"); 2 when range is none of these.
int printDailyPuzzles(const char *program, std::string_view range)
{
    int first = 0, last = 0;
    if (range == "today") {
        first = last = DailyPuzzle::numberOn(QDate::currentDate());
    } else if (const std::size_t dash = range.find('-'); dash != std::string_view::npos) {
        first = puzzleNumber(range.substr(0, dash));
        last = puzzleNumber(range.substr(dash + 1));
    } else {
        first = last = puzzleNumber(range);
    }
    if (first < 1 || last < first)
        return usage(program);
    for (int number = first; number <= last; ++number) {
        std::printf("puzzle %d date %s secret %s\n", number,
                    qPrintable(DailyPuzzle::dateOf(number).toString(Qt::ISODate)),
                    qPrintable(NumberText::of(DailyPuzzle::secretOf(number))));
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::string_view(argv[1]) == "--review")
        return reviewTraces(stdin);
    if (argc == 3 && std::string_view(argv[1]) == "--daily")
        return printDailyPuzzles(argv[0], argv[2]);
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--duel-host" || std::string_view(argv[i]) == "--duel-join")
            return playDuel(argc, argv);
    }
    int level = 1;
    long rounds = 1;
    bool tracing = false;
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
        } else if (arg == "--trace") {
            tracing = true;
        } else {
            return usage(argv[0]);
        }
    }
    if (level == ExpertPlayer::kStrengthLevel && !DecisionTree::builtIn())
        std::fprintf(stderr, "The built-in decision tree is missing or damaged: every guess is the one-step guess.\n");

    const NumberComparer comparer;
    Codebreaker mac(comparer, ExpertPlayer(DecisionTree::builtIn()));
    RoundRandomSource relabelling;
    const CandidateList full = comparer.makeCandidatesArray();
    std::map<int, long> distribution;
    std::vector<std::string> traces;
    long total = 0, matches = 0, failures = 0;
    int worst = 0;

    const auto start = std::chrono::steady_clock::now();
    for (long round = 0; round < rounds; ++round) {
        for (const NumberSet &secret : full) {
            std::string trace;
            const int guesses = guessesToFind(comparer, mac, relabelling, round, secret, level,
                                              tracing ? &trace : nullptr);
            if (tracing)
                traces.push_back(std::move(trace));
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
    std::printf("average guesses %.4f (%ld in all), worst %d\n", matches ? double(total) / matches : 0.0, total,
                worst);
    for (const auto &[guesses, count] : distribution)
        std::printf("%3d guesses: %7ld  (%5.2f%%)\n", guesses, count, 100.0 * count / matches);
    std::printf("%.3f s in all, %.3f s per round\n", seconds, rounds ? seconds / rounds : 0.0);
    for (const std::string &trace : traces)
        std::printf("%s\n", trace.c_str());
    if (failures) {
        std::printf("%ld matches ran out of candidates\n", failures);
        return 1;
    }
    return 0;
}
