// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/DecisionTree.h"
#include "expert/ExactSolver.h"
#include "expert/ExpertPlayer.h"
#include "expert/MatchReview.h"
#include "expert/ScoreCodes.h"
#include "platform/RandomSource.h"

#include "Fakes.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <map>
#include <random>

using ScoreCounts = std::array<int, ScoreCodes::kCodes>;

Q_DECLARE_METATYPE(NumberSet)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(ScoreCounts)
Q_DECLARE_METATYPE(MatchReview::Verdict)

namespace {
// Scores by the rules' own comparer, each guess against each secret of a set: scoresOf[guess][i]
// is hits * 5 + blows against the set's i-th secret.
std::vector<std::vector<int>> scoresAgainst(const std::vector<int> &set)
{
    const NumberComparer comparer;
    const CandidateList numbers = comparer.makeCandidatesArray();
    std::vector<std::vector<int>> scores(numbers.size());
    for (std::size_t guess = 0; guess < numbers.size(); ++guess) {
        for (int secret : set) {
            const HitBlowResult score = comparer.checkHitsBlowsIn(numbers[secret], numbers[guess]);
            scores[guess].push_back(score.hits * 5 + score.blows);
        }
    }
    return scores;
}

// Best play by brute force: every guess tried on every part, no bound. part holds positions in
// the set that scoresOf was made for.
long bruteForceTotal(const std::vector<int> &part, const std::vector<std::vector<int>> &scoresOf,
                     std::map<std::vector<int>, long> &known)
{
    if (part.size() == 1)
        return 1;
    if (const auto found = known.find(part); found != known.end())
        return found->second;
    long best = ExactSolver::kUnlimited;
    std::array<std::vector<int>, 20> parts; // by hits * 5 + blows, 4-0 left out
    for (const std::vector<int> &scores : scoresOf) {
        for (std::vector<int> &smaller : parts)
            smaller.clear();
        for (int at : part) {
            if (scores[at] < 20) // not 4-0
                parts[scores[at]].push_back(at);
        }
        if (std::any_of(parts.begin(), parts.end(), [&](const auto &smaller) { return smaller.size() == part.size(); }))
            continue; // tells nothing
        long total = long(part.size());
        for (const std::vector<int> &smaller : parts) {
            if (!smaller.empty())
                total += bruteForceTotal(smaller, scoresOf, known);
        }
        best = std::min(best, total);
    }
    known.emplace(part, best);
    return best;
}

// The numbers that give every guess its score.
std::vector<int> consistentWith(const QString &history)
{
    const NumberComparer comparer;
    const CandidateList numbers = comparer.makeCandidatesArray();
    std::vector<int> set;
    for (int i = 0; i < int(numbers.size()); ++i) {
        bool fits = true;
        for (const QString &turn : history.split(',', Qt::SkipEmptyParts)) {
            const QStringList parts = turn.trimmed().split(' ');
            NumberSet guess{};
            for (int p = 0; p < 4; ++p)
                guess[p] = parts[0][p].digitValue();
            const HitBlowResult score = comparer.checkHitsBlowsIn(numbers[i], guess);
            fits = fits && QString("%1-%2").arg(score.hits).arg(score.blows) == parts[1];
        }
        if (fits)
            set.push_back(i);
    }
    return set;
}

struct Turns {
    std::vector<NumberSet> guesses;
    std::vector<HitBlowResult> scores;
};

Turns turnsOf(const QString &history)
{
    Turns turns;
    for (const QString &turn : history.split(',', Qt::SkipEmptyParts)) {
        const QString text = turn.trimmed();
        NumberSet guess{};
        for (int p = 0; p < 4; ++p)
            guess[p] = text[p].digitValue();
        turns.guesses.push_back(guess);
        turns.scores.push_back({text[5].digitValue(), text[7].digitValue()});
    }
    return turns;
}

// The Expert's own match against secret, its relabelling drawn from a constant.
Turns expertMatch(const NumberSet &secret, std::uint32_t draw)
{
    const NumberComparer comparer;
    ScriptedRandomSource random;
    random.queued.assign(12, draw); // one relabelling: nine digits and three positions
    ExpertPlayer expert(DecisionTree::builtIn());
    CandidateList candidates = comparer.makeCandidatesArray();
    std::vector<Turn> scored;
    Turns turns;
    for (;;) {
        const NumberSet guess = expert.nextAnswer(candidates, scored, random);
        const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
        turns.guesses.push_back(guess);
        turns.scores.push_back(score);
        if (score.hits == 4)
            return turns;
        scored.push_back({guess, score});
        ExpertPlayer::keepConsistent(candidates, scored);
    }
}
} // namespace

// The review of a match: best play on small sets against brute force, the Expert's own play,
// luck and verdicts, and the arena's --review output.
class TestMatchReview : public QObject
{
    Q_OBJECT

private slots:
    void exactAgreesWithBruteForce_data();
    void exactAgreesWithBruteForce();
    void expertsOwnGuessesScoreFull_data();
    void expertsOwnGuessesScoreFull();
    void luck_data();
    void luck();
    void verdicts_data();
    void verdicts();
    void badMatches_data();
    void badMatches();
    void stopsWhenTold_data();
    void stopsWhenTold();
    void arenaReview_data();
    void arenaReview();
};

void TestMatchReview::exactAgreesWithBruteForce_data()
{
    QTest::addColumn<std::vector<int>>("set");
    auto randomSet = [](std::uint32_t seed, int size) {
        std::mt19937 generator(seed);
        std::vector<int> set;
        while (int(set.size()) < size) {
            const int number = int(generator() % ScoreCodes::kNumbers);
            if (std::find(set.begin(), set.end(), number) == set.end())
                set.push_back(number);
        }
        std::sort(set.begin(), set.end());
        return set;
    };
    QTest::newRow("one") << randomSet(1, 1);
    QTest::newRow("two") << randomSet(2, 2);
    QTest::newRow("random three") << randomSet(3, 3);
    QTest::newRow("random six") << randomSet(6, 6);
    QTest::newRow("random nine") << randomSet(9, 9);
    QTest::newRow("random twelve") << randomSet(12, 12);
    QTest::newRow("after 0123 2-2") << consistentWith("0123 2-2");
    QTest::newRow("after 0123 1-3") << consistentWith("0123 1-3");
    QTest::newRow("after 0123 0-4") << consistentWith("0123 0-4");
    QTest::newRow("after 0123 1-2, 0245 2-0") << consistentWith("0123 1-2, 0245 2-0");
    // A number that cannot be the secret does better than any that can: by one where a possible
    // secret comes close to the least there is, by two and by three.
    QTest::newRow("after 0123 2-0, 0451 2-1") << consistentWith("0123 2-0, 0451 2-1");
    QTest::newRow("after 0123 2-0, 0174 2-1") << consistentWith("0123 2-0, 0174 2-1");
    QTest::newRow("after 0123 1-1, 0247 3-0") << consistentWith("0123 1-1, 0247 3-0");
}

void TestMatchReview::exactAgreesWithBruteForce()
{
    QFETCH(std::vector<int>, set);
    std::map<std::vector<int>, long> known;
    std::vector<int> whole(set.size());
    for (std::size_t at = 0; at < set.size(); ++at)
        whole[at] = int(at);
    // Guesses that score alike against every secret of the set split every part of it alike.
    std::vector<std::vector<int>> scoresOf = scoresAgainst(set);
    std::sort(scoresOf.begin(), scoresOf.end());
    scoresOf.erase(std::unique(scoresOf.begin(), scoresOf.end()), scoresOf.end());
    const long bruteForce = bruteForceTotal(whole, scoresOf, known);
    const ExactSolver::Set sorted(set.begin(), set.end());
    ExactSolver solver;
    const ExactSolver::Play best = solver.best(sorted);
    QCOMPARE(best.total, bruteForce);
    QCOMPARE(solver.totalWith(best.guess, sorted), bruteForce);
    // A possible secret is preferred among the guesses that do as well.
    long bestOfSet = ExactSolver::kUnlimited;
    for (std::uint16_t secret : sorted)
        bestOfSet = std::min(bestOfSet, solver.totalWith(secret, sorted));
    QCOMPARE(std::binary_search(sorted.begin(), sorted.end(), std::uint16_t(best.guess)), bestOfSet == bruteForce);
}

void TestMatchReview::expertsOwnGuessesScoreFull_data()
{
    QTest::addColumn<NumberSet>("secret");
    QTest::addColumn<std::uint32_t>("draw");
    QTest::newRow("9876, opening 0123") << NumberSet{9, 8, 7, 6} << std::uint32_t(2519); // the identity
    QTest::newRow("9876, relabelled") << NumberSet{9, 8, 7, 6} << std::uint32_t(12345);
    QTest::newRow("1234, relabelled") << NumberSet{1, 2, 3, 4} << std::uint32_t(777);
    QTest::newRow("5031, relabelled") << NumberSet{5, 0, 3, 1} << std::uint32_t(4242);
    QTest::newRow("2468, relabelled") << NumberSet{2, 4, 6, 8} << std::uint32_t(99991);
}

void TestMatchReview::expertsOwnGuessesScoreFull()
{
    QFETCH(NumberSet, secret);
    QFETCH(std::uint32_t, draw);
    const Turns turns = expertMatch(secret, draw);
    std::string error;
    const std::optional<MatchReview> review = MatchReview::of(turns.guesses, turns.scores, DecisionTree::builtIn(), &error);
    QVERIFY2(review, error.c_str());
    QCOMPARE(review->guesses().size(), turns.guesses.size());
    for (const MatchReview::GuessReview &row : review->guesses()) {
        if (row.before > ExactSolver::kLargestSet) {
            // Best play there is the Expert's guess: the player's own.
            QCOMPARE(row.bestGuess, row.guess);
            QCOMPARE(row.skill, 99);
        }
        if (row.expected <= row.bestExpected)
            QCOMPARE(row.skill, 99);
        QVERIFY(row.verdict != MatchReview::Verdict::NothingNew);
    }
    QCOMPARE(review->guesses().back().after, 0);
    QVERIFY2(review->skill() >= 90, QByteArray::number(review->skill()));
    // What the first guess, any opening, leaves on average: 4694293 / 5040, counted by hand. From
    // two secrets best play guesses one of them and leaves the other half the time.
    QCOMPARE(review->guesses().front().bestExpectedAfter, 4694293.0 / 5040.0);
    for (const MatchReview::GuessReview &row : review->guesses()) {
        if (row.before <= 2)
            QCOMPARE(row.bestExpectedAfter, row.before == 2 ? 0.5 : 0.0);
    }
}

void TestMatchReview::luck_data()
{
    // Scores by code: 0-0 is 0, 0-1 is 1, 1-0 is 5, 1-1 is 6, 4-0 is 13.
    QTest::addColumn<ScoreCounts>("counts");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("luck"); // -1: luck played no part

    const ScoreCounts spread{5, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("found: the fewest left") << spread << 13 << 99;
    QTest::newRow("the most left") << spread << 0 << 0;
    QTest::newRow("between") << spread << 1 << 71; // 99 * 5 / 7
    QTest::newRow("one left, the found one fewer") << spread << 5 << 88; // 99 * 8 / 9
    const ScoreCounts tiedLargest{3, 3, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("tied for the most") << tiedLargest << 1 << 0;
    QTest::newRow("fewest beside tied") << tiedLargest << 5 << 99;
    const ScoreCounts half{3, 2, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("half way rounds up") << half << 1 << 50; // 99 * 3 / 6
    QTest::newRow("every score alike") << ScoreCounts{4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 0 << -1;
    QTest::newRow("one score only") << ScoreCounts{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 0 << -1;
    QTest::newRow("the last one found") << ScoreCounts{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1} << 13 << -1;
    QTest::newRow("one of two found") << ScoreCounts{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1} << 13 << 99;
    QTest::newRow("one of two missed") << ScoreCounts{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1} << 12 << 0;
}

void TestMatchReview::luck()
{
    QFETCH(ScoreCounts, counts);
    QFETCH(int, code);
    QFETCH(int, luck);
    QCOMPARE(MatchReview::luckFor(counts, code).value_or(-1), luck);
}

void TestMatchReview::verdicts_data()
{
    // The last guess of each history is judged; after 0123 0-4 nine secrets are left (1230 and
    // 1032 among them), after 0123 0-0 the 360 made of the digits 4 to 9.
    QTest::addColumn<QString>("history");
    QTest::addColumn<MatchReview::Verdict>("verdict");
    QTest::addColumn<int>("skill");
    QTest::newRow("any first guess") << "0123 0-4" << MatchReview::Verdict::Best << 99;
    QTest::newRow("possible secret, best") << "0123 0-4, 1230 2-2" << MatchReview::Verdict::Best << 99;
    QTest::newRow("possible secret, a little worse")
        << "0123 0-4, 1032 4-0" << MatchReview::Verdict::Good << 77; // 2.7778 against 2.5556
    QTest::newRow("no secret, a secret better")
        << "0123 0-4, 4012 2-1" << MatchReview::Verdict::NotASecret << 88; // 2.6667
    QTest::newRow("costly") << "0123 0-4, 1203 1-3" << MatchReview::Verdict::Costly << 55; // 3.0000
    QTest::newRow("nothing new, old digits") << "0123 0-4, 0124 0-3" << MatchReview::Verdict::NothingNew << 0;
    QTest::newRow("nothing new, unused digits") << "0123 0-4, 4567 0-0" << MatchReview::Verdict::NothingNew << 0;
    QTest::newRow("nothing new, repeated") << "0123 0-0, 0123 0-0" << MatchReview::Verdict::NothingNew << 0;
    QTest::newRow("the Expert's guess on 360") << "0123 0-0, 4567 0-2" << MatchReview::Verdict::Best << 99;
}

void TestMatchReview::verdicts()
{
    QFETCH(QString, history);
    QFETCH(MatchReview::Verdict, verdict);
    QFETCH(int, skill);
    const Turns turns = turnsOf(history);
    std::string error;
    const std::optional<MatchReview> review = MatchReview::of(turns.guesses, turns.scores, DecisionTree::builtIn(), &error);
    QVERIFY2(review, error.c_str());
    const MatchReview::GuessReview &last = review->guesses().back();
    QCOMPARE(last.verdict, verdict);
    QCOMPARE(last.skill, skill);
    QCOMPARE(review->skill(), (99 + skill + 1) / 2);
    QCOMPARE(last.before, int(consistentWith(history.section(',', 0, -2)).size()));
    QCOMPARE(last.after, last.score.hits == 4 ? 0 : int(consistentWith(history).size()));
}

void TestMatchReview::badMatches_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<bool>("extraScore");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no guesses") << QString() << false << "no guesses";
    QTest::newRow("a score too many") << "0123 0-0" << true << "as many scores as guesses";
    QTest::newRow("repeated digit") << "0123 0-0, 4557 0-1" << false << "guess 2 is not four different digits";
    QTest::newRow("three hits and a blow") << "0123 3-1" << false << "guess 1 has no possible score";
    QTest::newRow("guess after the secret") << "0123 4-0, 4567 0-0" << false << "guess 1 found the secret";
    QTest::newRow("no secret left") << "0123 0-0, 4567 0-0" << false << "no secret gives guess 2";
    QTest::newRow("scores disagree") << "0123 0-4, 1032 0-0" << false << "no secret gives guess 2";
    // However long a stored match, a review reads no more than a match can hold.
    QStringList seventeen;
    for (int guess = 0; guess < 17; ++guess)
        seventeen << "0123 0-0";
    QTest::newRow("seventeen guesses") << seventeen.join(", ") << false << "more guesses than a match has";
}

void TestMatchReview::stopsWhenTold_data()
{
    QTest::addColumn<int>("stopAtCall"); // 0: never
    QTest::newRow("at the first step") << 1;
    QTest::newRow("within the first guess") << 3;
    QTest::newRow("after the first guess") << 5;
    QTest::newRow("at the last step") << 10;
    QTest::newRow("never") << 0;
}

// A review whose window has gone stops at the next step of its search, and asks nothing after.
void TestMatchReview::stopsWhenTold()
{
    QFETCH(int, stopAtCall);
    const Turns turns = turnsOf("0123 0-4, 1032 4-0");
    int calls = 0;
    int callsAfterStop = 0;
    const auto review = MatchReview::of(turns.guesses, turns.scores, DecisionTree::builtIn(), nullptr,
                                        [&](int, int) {
                                            if (stopAtCall && calls >= stopAtCall)
                                                ++callsAfterStop;
                                            return !stopAtCall || ++calls < stopAtCall;
                                        });
    QCOMPARE(review.has_value(), stopAtCall == 0);
    QCOMPARE(callsAfterStop, 0);
    if (review)
        QCOMPARE(int(review->guesses().size()), 2);
}

void TestMatchReview::badMatches()
{
    QFETCH(QString, history);
    QFETCH(bool, extraScore);
    QFETCH(QString, reason);
    Turns turns = turnsOf(history);
    if (extraScore)
        turns.scores.push_back({0, 0});
    std::string error;
    QVERIFY(!MatchReview::of(turns.guesses, turns.scores, DecisionTree::builtIn(), &error));
    QVERIFY2(QString::fromStdString(error).contains(reason), error.c_str());
}

void TestMatchReview::arenaReview_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("firstLine"); // the whole first line, or what standard error holds
    QTest::newRow("one match") << QByteArray("1032: 0123 0-4, 1032 4-0\n") << 0 << 3
                               << "0123 0-4 before 5040 after 9 expected 5.2131 best 0123 bestExpected 5.2131 skill 99 luck 99";
    QTest::newRow("blank lines, two matches, no final line feed")
        << QByteArray("\n1032: 0123 0-4, 1032 4-0\n \n9876:0123 0-0,4567 0-2, 9876 4-0") << 0 << 7
        << "0123 0-4 before 5040 after 9 expected 5.2131 best 0123 bestExpected 5.2131 skill 99 luck 99";
    QTest::newRow("untrue score") << QByteArray("1032: 0123 1-1\n") << 1 << 0 << "line 1: guess 1 scores 0-4";
    QTest::newRow("no secret") << QByteArray("hello\n") << 1 << 0 << "line 1: expected SECRET";
    QTest::newRow("no comma") << QByteArray("1032: 0123 0-4 1032 4-0\n") << 1 << 0 << "line 1: expected a comma";
    QTest::newRow("repeated digits") << QByteArray("1032: 0123 0-4, 1132 2-1\n") << 1 << 0
                                     << "line 1: guess 2 is not four different digits";
}

void TestMatchReview::arenaReview()
{
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(int, lines);
    QFETCH(QString, firstLine);
    QProcess arena;
    arena.start(QStringLiteral(HITBLOW_ARENA), {QStringLiteral("--review")});
    QVERIFY(arena.waitForStarted());
    arena.write(input);
    arena.closeWriteChannel();
    QVERIFY(arena.waitForFinished(300000));
    QCOMPARE(arena.exitCode(), exitCode);
    const QStringList out = QString::fromUtf8(arena.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(out.size(), lines);
    if (lines == 0) {
        QVERIFY2(QString::fromUtf8(arena.readAllStandardError()).contains(firstLine), qPrintable(firstLine));
        return;
    }
    QCOMPARE(out.front(), firstLine);
    const QRegularExpression guessLine(QStringLiteral("^\\d{4} \\d-\\d before \\d+ after \\d+ expected \\d+\\.\\d{4} best \\d{4} "
                                                      "bestExpected \\d+\\.\\d{4} skill \\d{1,2} luck \\d{1,2}$"));
    const QRegularExpression matchLine(QStringLiteral("^match skill \\d{1,2} luck \\d{1,2}$"));
    for (const QString &line : out)
        QVERIFY2(guessLine.match(line).hasMatch() || matchLine.match(line).hasMatch(), qPrintable(line));
    QVERIFY(matchLine.match(out.back()).hasMatch());
}

QTEST_GUILESS_MAIN(TestMatchReview)
#include "tst_matchreview.moc"
