// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArenaReview.h"

#include "expert/DecisionTree.h"
#include "expert/MatchReview.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {
struct Match {
    NumberSet secret{};
    std::vector<NumberSet> guesses;
    std::vector<HitBlowResult> scores;
};

std::string digitsOf(const NumberSet &number)
{
    std::string text;
    for (int digit : number)
        text += char('0' + digit);
    return text;
}

// Four digits at text[at], advancing at past them.
std::optional<NumberSet> numberAt(const std::string &text, std::size_t &at)
{
    NumberSet number{};
    for (int &digit : number) {
        if (at >= text.size() || text[at] < '0' || text[at] > '9')
            return std::nullopt;
        digit = text[at++] - '0';
    }
    return number;
}

void skipSpaces(const std::string &text, std::size_t &at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\r'))
        ++at;
}

std::optional<Match> parse(const std::string &line, std::string &error)
{
    Match match;
    std::size_t at = 0;
    skipSpaces(line, at);
    const std::optional<NumberSet> secret = numberAt(line, at);
    if (!secret || at >= line.size() || line[at++] != ':') {
        error = "expected SECRET: GUESS H-B, GUESS H-B, ...";
        return std::nullopt;
    }
    match.secret = *secret;
    while (true) {
        skipSpaces(line, at);
        const std::optional<NumberSet> guess = numberAt(line, at);
        skipSpaces(line, at);
        const bool scored = guess && at + 3 <= line.size() && line[at] >= '0' && line[at] <= '4'
            && line[at + 1] == '-' && line[at + 2] >= '0' && line[at + 2] <= '4';
        if (!scored) {
            error = "expected GUESS H-B at column " + std::to_string(at + 1);
            return std::nullopt;
        }
        match.guesses.push_back(*guess);
        match.scores.push_back({line[at] - '0', line[at + 2] - '0'});
        at += 3;
        skipSpaces(line, at);
        if (at == line.size())
            return match;
        if (line[at++] != ',') {
            error = "expected a comma at column " + std::to_string(at);
            return std::nullopt;
        }
    }
}

// Whether every guess is a number of four different digits and its score the one the secret gives.
bool scoredTruly(const Match &match, std::string &error)
{
    const NumberComparer comparer;
    for (std::size_t turn = 0; turn < match.guesses.size(); ++turn) {
        const NumberSet &guess = match.guesses[turn];
        for (int i = 0; i < 4; ++i) {
            if (std::count(guess.begin(), guess.end(), guess[i]) > 1) {
                error = "guess " + std::to_string(turn + 1) + " is not four different digits";
                return false;
            }
        }
        const HitBlowResult score = comparer.checkHitsBlowsIn(match.secret, match.guesses[turn]);
        if (score.hits != match.scores[turn].hits || score.blows != match.scores[turn].blows) {
            error = "guess " + std::to_string(turn + 1) + " scores " + std::to_string(score.hits) + "-"
                + std::to_string(score.blows) + " against the secret";
            return false;
        }
    }
    return true;
}

// The next line without its line feed; false at the end of the input.
bool readLine(std::FILE *in, std::string &line)
{
    line.clear();
    int c = std::fgetc(in);
    if (c == EOF)
        return false;
    for (; c != EOF && c != '\n'; c = std::fgetc(in))
        line += char(c);
    return true;
}

void print(const MatchReview &review)
{
    for (const MatchReview::GuessReview &row : review.guesses()) {
        std::printf("%s %d-%d before %d after %d expected %.4f best %s bestExpected %.4f skill %d luck %d\n",
                    digitsOf(row.guess).c_str(), row.score.hits, row.score.blows, row.before, row.after, row.expected,
                    digitsOf(row.bestGuess).c_str(), row.bestExpected, row.skill, row.luck);
    }
    std::printf("match skill %d luck %d\n", review.skill(), review.luck());
}
} // namespace

int reviewTraces(std::FILE *in)
{
    const DecisionTree *tree = DecisionTree::builtIn();
    if (!tree)
        std::fprintf(stderr, "The built-in decision tree is missing or damaged: the Expert plays one step ahead.\n");
    int status = 0;
    std::string line;
    for (long lineNumber = 1; readLine(in, line); ++lineNumber) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        std::string error;
        const std::optional<Match> match = parse(line, error);
        std::optional<MatchReview> review;
        if (match && scoredTruly(*match, error))
            review = MatchReview::of(match->guesses, match->scores, tree, &error);
        if (review) {
            print(*review);
        } else {
            std::fprintf(stderr, "line %ld: %s\n", lineNumber, error.c_str());
            status = 1;
        }
    }
    return status;
}
