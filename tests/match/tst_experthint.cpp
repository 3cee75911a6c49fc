// SPDX-License-Identifier: GPL-3.0-or-later
#include "HitBlowController.h"
#include "match/ExpertHint.h"
#include "match/MatchNotes.h"
#include "match/OwnRecords.h"
#include "core/MatchSnapshots.h"

#include "Fakes.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(NumberSet)

namespace {
// Scored here by counting, apart from the game's comparer, so that a hint is checked against
// numbers worked out independently of every call the hint makes.
std::pair<int, int> score(const NumberSet &secret, const NumberSet &guess)
{
    int hits = 0, shared = 0;
    for (int i = 0; i < 4; ++i) {
        hits += secret[i] == guess[i];
        shared += int(std::count(secret.begin(), secret.end(), guess[i]));
    }
    return {hits, shared - hits};
}

std::vector<NumberSet> numbersAgreeingWith(const OwnRecords &records)
{
    std::vector<NumberSet> agreeing;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            for (int c = 0; c < 10; ++c)
                for (int d = 0; d < 10; ++d) {
                    const NumberSet number{a, b, c, d};
                    if (a == b || a == c || a == d || b == c || b == d || c == d)
                        continue;
                    bool agrees = true;
                    for (std::size_t i = 0; agrees && i < records.answers.size(); ++i)
                        agrees = score(number, records.answers[i]) == std::pair(records.hits[i], records.blows[i]);
                    if (agrees)
                        agreeing.push_back(number);
                }
    return agreeing;
}
} // namespace

// Game > Hint from the user's own records: followed from the first guess it finds Mac's number
// within seven guesses, the Expert's worst case, each hint telling apart the numbers the scores so
// far leave; once they leave a single number it is that number, whichever way the records came.
class TestExpertHint : public QObject
{
    Q_OBJECT

private slots:
    void hintsFindTheSecret_data();
    void hintsFindTheSecret();
    void singleNumberLeftIsTheHint_data();
    void singleNumberLeftIsTheHint();
    void hintedProbeIsNoMistake_data();
    void hintedProbeIsNoMistake();
};

void TestExpertHint::hintedProbeIsNoMistake_data()
{
    QTest::addColumn<NumberSet>("latest");
    QTest::addColumn<bool>("hinted");
    QTest::addColumn<QString>("note");
    // After 0123 scored nothing, 4567 may be Mac's number and 1456 may not.
    QTest::newRow("a fair guess") << NumberSet{4, 5, 6, 7} << false << "";
    QTest::newRow("a guess at odds with the scores")
        << NumberSet{1, 4, 5, 6} << false << "1456 could not be Mac's number: it does not fit your earlier scores.";
    QTest::newRow("the hint's probe") << NumberSet{1, 4, 5, 6} << true
                                      << "1456 can't be Mac's number, but splits the rest best.";
    QTest::newRow("a guess tried before") << NumberSet{0, 1, 2, 3} << false << "You already tried 0123.";
}

// The status bar's note on the latest guess: a probe the hint typed is never the player's mistake.
void TestExpertHint::hintedProbeIsNoMistake()
{
    QFETCH(NumberSet, latest);
    QFETCH(bool, hinted);
    QFETCH(QString, note);
    const OwnRecords records{{{0, 1, 2, 3}, latest}, {0, 1}, {0, 1}};
    QCOMPARE(MatchNotes::latestGuessNote(records, hinted), note);
}

void TestExpertHint::hintsFindTheSecret_data()
{
    QTest::addColumn<NumberSet>("secret");
    QTest::addColumn<bool>("throughMatch");
    // Secrets whose scores have more hits than blows or the other way round on the way.
    QTest::newRow("1570") << NumberSet{1, 5, 7, 0} << false;
    QTest::newRow("3951") << NumberSet{3, 9, 5, 1} << false;
    QTest::newRow("9876") << NumberSet{9, 8, 7, 6} << false;
    QTest::newRow("0213, the match's records") << NumberSet{0, 2, 1, 3} << true;
    QTest::newRow("4710, the match's records") << NumberSet{4, 7, 1, 0} << true;
}

void TestExpertHint::hintsFindTheSecret()
{
    QFETCH(NumberSet, secret);
    QFETCH(bool, throughMatch);
    FakeServices fakes;
    HitBlowController match(fakes.services());
    match.newGame();
    match.setMacOwnNumbers(secret);
    ScriptedRandomSource hintRandom;
    ExpertHint hint(hintRandom);
    std::vector<NumberSet> answers;
    std::vector<int> hitsSoFar, blowsSoFar;
    OwnRecords records;
    for (int guesses = 1; guesses <= 7; ++guesses) {
        const NumberSet guess = hint.suggestedGuess(records);
        const std::vector<NumberSet> left = numbersAgreeingWith({answers, hitsSoFar, blowsSoFar});
        // A hint that is no longer possible must split the numbers left by its scores.
        const bool possible = std::find(left.begin(), left.end(), guess) != left.end();
        const bool splits = std::any_of(left.begin(), left.end(), [&](const NumberSet &number) {
            return score(number, guess) != score(left.front(), guess);
        });
        QVERIFY2(possible || splits, "the hint tells nothing the scores so far have not told");
        if (left.size() == 1)
            QVERIFY2(guess == left.front(), "one number left, and the hint is another");
        const auto [hits, blows] = score(secret, guess);
        answers.push_back(guess);
        hitsSoFar.push_back(hits);
        blowsSoFar.push_back(blows);
        if (throughMatch) {
            match.setUserCurrentAnswer(guess);
            match.setGameStatus(GameStatusUserResult);
            records = ownRecordsOf(match);
            QCOMPARE(records.hits.back(), hits);
            QCOMPARE(records.blows.back(), blows);
        } else {
            records.answers.push_back(guess);
            records.hits.push_back(hits);
            records.blows.push_back(blows);
        }
        if (hits == 4)
            return;
    }
    QFAIL("seven hinted guesses did not find the number");
}

void TestExpertHint::singleNumberLeftIsTheHint_data()
{
    QTest::addColumn<NumberSet>("secret");
    QTest::addColumn<std::vector<NumberSet>>("guesses");
    // The user's own guesses, off the hint's plan; hits and blows differ in most of their scores.
    QTest::newRow("1570 after five guesses")
        << NumberSet{1, 5, 7, 0}
        << std::vector<NumberSet>{{0, 1, 2, 3}, {4, 5, 6, 7}, {1, 0, 5, 7}, {1, 7, 0, 5}, {7, 5, 1, 0}};
    QTest::newRow("2469 after five guesses")
        << NumberSet{2, 4, 6, 9}
        << std::vector<NumberSet>{{1, 2, 3, 4}, {5, 6, 7, 8}, {2, 9, 4, 6}, {4, 2, 6, 9}, {2, 4, 9, 6}};
}

void TestExpertHint::singleNumberLeftIsTheHint()
{
    QFETCH(NumberSet, secret);
    QFETCH(std::vector<NumberSet>, guesses);
    OwnRecords records;
    for (const NumberSet &guess : guesses) {
        const auto [hits, blows] = score(secret, guess);
        records.answers.push_back(guess);
        records.hits.push_back(hits);
        records.blows.push_back(blows);
    }
    const std::vector<NumberSet> left = numbersAgreeingWith(records);
    QCOMPARE(left.size(), std::size_t(1));
    QVERIFY(left.front() == secret);
    ScriptedRandomSource random;
    QVERIFY(ExpertHint(random).suggestedGuess(records) == secret);
}

QTEST_MAIN(TestExpertHint)
#include "tst_experthint.moc"
