// SPDX-License-Identifier: GPL-3.0-or-later
#include "HitBlowController.h"
#include "expert/DecisionTree.h"
#include "expert/ExpertPlayer.h"
#include "expert/ScoreCodes.h"
#include "platform/UserDefaults.h"

#include "FakePreferences.h"
#include "Fakes.h"
#include "StoredDefaults.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(NumberSet)
Q_DECLARE_METATYPE(std::vector<Turn>)
Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

namespace {
// The strength the expert must keep over all 5040 secrets, its shipped tree's total (a tree that
// does better lowers it); seven guesses is the least possible worst case.
constexpr int kMostTotalGuesses = 26274;
constexpr int kWorstGuesses = 7;
// Draws for one relabelling: nine for the digits and three for the positions.
constexpr int kRelabellingDraws = 12;

// The numbers that give every one of the computer's guesses so far its score: an oracle
// independent of every pruning of the game.
int consistentCount(const HitBlowController &controller)
{
    const NumberComparer comparer;
    const auto &answers = controller.macFormerAnswers();
    const auto &hits = controller.macFormerHitsCount();
    const auto &blows = controller.macFormerBlowsCount();
    int count = 0;
    for (const NumberSet &number : comparer.makeCandidatesArray()) {
        bool fits = true;
        for (std::size_t i = 0; fits && i < hits.size(); ++i) {
            const HitBlowResult score = comparer.checkHitsBlowsIn(number, answers[i]);
            fits = score.hits == hits[i] && score.blows == blows[i];
        }
        count += fits ? 1 : 0;
    }
    return count;
}

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> bytes;
    for (int value : values)
        bytes.push_back(std::uint8_t(value));
    return bytes;
}
} // namespace

// The computer at the Expert strength, through the match controller as a match drives it, and its
// decision tree and number codes on their own.
class TestExpertPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everySecretThroughTheController();
    void strengthRaisedMidMatch_data();
    void strengthRaisedMidMatch();
    void openingsDifferBetweenMatches();
    void answers_data();
    void answers();
    void damagedTrees_data();
    void damagedTrees();
    void codesAgreeWithTheRules();

private:
    void startMatch(const NumberSet &userSecret, std::uint32_t relabellingDraw);
    // Scores the computer's guess truly and plays a user guess that misses; returns the score. The
    // computer's next turn is the caller's to start.
    HitBlowResult playRound();

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<FakePreferences> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
};

void TestExpertPlayer::init()
{
    openUserDefaults()->clear();
    storeUserDefaults({{"StrengthLevel", ExpertPlayer::kStrengthLevel}});
    m_fakes = std::make_unique<FakeServices>();
    m_prefs = std::make_unique<FakePreferences>();
    m_prefs->awakeFromNib();
    m_controller = std::make_unique<HitBlowController>(m_fakes->services());
    m_controller->setPrefWindowController(m_prefs.get());
    m_controller->awakeFromNib();
}

void TestExpertPlayer::cleanup()
{
    m_controller.reset();
    m_prefs.reset();
    m_fakes.reset();
}

void TestExpertPlayer::startMatch(const NumberSet &userSecret, std::uint32_t relabellingDraw)
{
    // The computer's secret is 0123; every match relabels alike, so a pass over all secrets plays
    // one strategy and its total is the tree's own.
    m_fakes->random.queued = {0};
    m_fakes->random.queued.insert(m_fakes->random.queued.end(), kRelabellingDraws, relabellingDraw);
    m_controller->newGame();
    m_controller->setUserOwnNumbers(userSecret);
    m_controller->setGameStatus(GameStatusMacTurn);
    m_fakes->scheduler.advance(1.0);
}

HitBlowResult TestExpertPlayer::playRound()
{
    const NumberComparer comparer;
    const HitBlowResult score = comparer.checkHitsBlowsIn(*m_controller->userOwnNumbers(), *m_controller->macCurrentAnswer());
    m_controller->setMacCurrentHitsCount(score.hits);
    m_controller->setMacCurrentBlowsCount(score.blows);
    m_controller->setGameStatus(GameStatusUserTurn);
    m_controller->setUserCurrentAnswer({9, 8, 7, 6});
    m_controller->setGameStatus(GameStatusUserResult);
    return score;
}

void TestExpertPlayer::everySecretThroughTheController()
{
    QVERIFY(DecisionTree::builtIn());
    const CandidateList all = NumberComparer().makeCandidatesArray();
    long total = 0;
    int worst = 0, outsideGuesses = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        startMatch(all[i], 7);
        int countBeforeGuess = 5040;
        for (int round = 1;; ++round) {
            QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
            // A guess that could not be the secret leaves the count as it was.
            if (m_controller->restCandidatesCount() == countBeforeGuess)
                ++outsideGuesses;
            if (playRound().hits == 4) {
                QCOMPARE(m_controller->matchResult(), int(MatchResultMacWon));
                total += round;
                worst = std::max(worst, round);
                break;
            }
            QVERIFY2(round < kWorstGuesses, qPrintable(QString::number(i)));
            // The count is exactly what the scores allow; every 61st match checks it in full.
            if (i % 61 == 0)
                QCOMPARE(m_controller->restCandidatesCount(), consistentCount(*m_controller));
            countBeforeGuess = m_controller->restCandidatesCount();
            m_controller->setGameStatus(GameStatusMacTurn);
        }
    }
    qInfo("Expert: %ld guesses for all 5040 secrets (%.4f on average), worst %d", total, total / 5040.0, worst);
    QVERIFY2(total <= kMostTotalGuesses, qPrintable(QString::number(total)));
    QCOMPARE(worst, kWorstGuesses);
    QVERIFY(outsideGuesses > 0);
}

void TestExpertPlayer::strengthRaisedMidMatch_data()
{
    QTest::addColumn<int>("firstLevel");
    QTest::addColumn<NumberSet>("userSecret");
    QTest::newRow("from Easy") << 0 << NumberSet{0, 2, 4, 5};
    QTest::newRow("from Normal") << 1 << NumberSet{9, 3, 1, 8};
    QTest::newRow("from Hard") << 2 << NumberSet{5, 4, 6, 7};
}

// Off the tree the expert plays the one-step guess and counts only what every score allows, even
// the scores pruned at a lower level.
void TestExpertPlayer::strengthRaisedMidMatch()
{
    QFETCH(int, firstLevel);
    QFETCH(NumberSet, userSecret);
    storeUserDefaults({{"StrengthLevel", firstLevel}});
    m_prefs->awakeFromNib();
    startMatch(userSecret, 3);
    playRound();
    m_controller->setGameStatus(GameStatusMacTurn);
    storeUserDefaults({{"StrengthLevel", ExpertPlayer::kStrengthLevel}});
    m_prefs->awakeFromNib();
    for (int round = 2;; ++round) {
        QVERIFY(round <= 9);
        if (playRound().hits == 4)
            break;
        QCOMPARE(m_controller->restCandidatesCount(), consistentCount(*m_controller));
        m_controller->setGameStatus(GameStatusMacTurn);
    }
    QCOMPARE(m_controller->matchResult(), int(MatchResultMacWon));
}

void TestExpertPlayer::openingsDifferBetweenMatches()
{
    std::vector<NumberSet> openings;
    for (std::uint32_t draw = 0; draw < 8; ++draw) {
        startMatch({9, 8, 7, 6}, draw * 7919);
        openings.push_back(*m_controller->macCurrentAnswer());
    }
    std::sort(openings.begin(), openings.end());
    QVERIFY(std::unique(openings.begin(), openings.end()) - openings.begin() > 1);
}

void TestExpertPlayer::answers_data()
{
    QTest::addColumn<bool>("withTree");
    QTest::addColumn<std::vector<Turn>>("formerTurns");
    QTest::addColumn<NumberSet>("expected");

    QTest::newRow("no tree: the one-step first guess") << false << std::vector<Turn>{} << NumberSet{0, 1, 2, 3};
    // Scores before the first expert guess of a match: off the tree.
    QTest::newRow("one candidate left: that one")
        << true << std::vector<Turn>{{{0, 1, 2, 3}, {0, 0}}, {{4, 5, 6, 7}, {2, 2}}, {{4, 5, 7, 6}, {0, 4}}}
        << NumberSet{5, 4, 6, 7};
    QTest::newRow("two candidates left: the first")
        << true << std::vector<Turn>{{{0, 1, 2, 3}, {0, 0}}, {{4, 5, 6, 7}, {2, 2}}, {{0, 1, 4, 5}, {1, 1}}}
        << NumberSet{4, 7, 6, 5};
}

void TestExpertPlayer::answers()
{
    QFETCH(bool, withTree);
    QFETCH(std::vector<Turn>, formerTurns);
    QFETCH(NumberSet, expected);
    CandidateList candidates = NumberComparer().makeCandidatesArray();
    ExpertPlayer::keepConsistent(candidates, formerTurns);
    ExpertPlayer player(withTree ? DecisionTree::builtIn() : nullptr);
    QCOMPARE(player.nextAnswer(candidates, formerTurns, m_fakes->random), expected);
}

void TestExpertPlayer::damagedTrees_data()
{
    QTest::addColumn<std::vector<std::uint8_t>>("bytes");
    QTest::addColumn<bool>("usable");
    const std::initializer_list<int> header{'H', 'B', 'D', 'T', 1};
    auto tree = [&](std::initializer_list<int> rest) {
        std::vector<std::uint8_t> bytes = bytesOf(header);
        for (int value : rest)
            bytes.push_back(std::uint8_t(value));
        return bytes;
    };
    QTest::newRow("one node") << tree({1, 0, 0, 0, 0, 0}) << true;
    QTest::newRow("nothing") << std::vector<std::uint8_t>{} << false;
    QTest::newRow("other format") << bytesOf({'H', 'B', 'D', 'X', 1, 1, 0, 0, 0, 0, 0}) << false;
    QTest::newRow("other version") << bytesOf({'H', 'B', 'D', 'T', 2, 1, 0, 0, 0, 0, 0}) << false;
    QTest::newRow("no node") << tree({0, 0}) << false;
    QTest::newRow("cut short") << tree({2, 0, 0, 0, 1, 0}) << false;
    QTest::newRow("longer than its count") << tree({1, 0, 0, 0, 0, 0, 0}) << false;
    QTest::newRow("guess beyond 5039") << tree({1, 0, 0xb0, 0x13, 0, 0}) << false;
    QTest::newRow("child for a fourteenth score") << tree({2, 0, 0, 0, 0, 0x20, 0, 0, 0, 0}) << false;
    QTest::newRow("child promised, none given") << tree({1, 0, 0, 0, 1, 0}) << false;
    QTest::newRow("second root") << tree({2, 0, 0, 0, 0, 0, 0, 0, 0, 0}) << false;
    std::vector<std::uint8_t> deep = tree({9, 0});
    for (int node = 0; node < 9; ++node)
        deep.insert(deep.end(), {0, 0, std::uint8_t(node < 8 ? 1 : 0), 0});
    QTest::newRow("deeper than any game") << deep << false;
}

void TestExpertPlayer::damagedTrees()
{
    QFETCH(std::vector<std::uint8_t>, bytes);
    QFETCH(bool, usable);
    const std::optional<DecisionTree> tree = DecisionTree::fromBytes(bytes);
    QCOMPARE(tree.has_value(), usable);
    if (tree)
        QCOMPARE(tree->toBytes(), bytes);

    // The built-in tree reads back to the same bytes and stays small.
    const std::vector<std::uint8_t> builtIn = DecisionTree::builtIn()->toBytes();
    QVERIFY(builtIn.size() < 64 * 1024);
    QCOMPARE(DecisionTree::fromBytes(builtIn)->toBytes(), builtIn);
}

void TestExpertPlayer::codesAgreeWithTheRules()
{
    const NumberComparer comparer;
    const CandidateList all = comparer.makeCandidatesArray();
    for (int index = 0; index < ScoreCodes::kNumbers; ++index) {
        QCOMPARE(ScoreCodes::numberAt(index), all[index]);
        QCOMPARE(ScoreCodes::indexOf(all[index]), index);
    }
    for (const NumberSet &guess : {NumberSet{0, 1, 2, 3}, NumberSet{3, 9, 5, 1}, NumberSet{9, 8, 7, 6}}) {
        const auto packedGuess = ScoreCodes::PackedNumber::of(guess);
        for (const NumberSet &secret : all) {
            const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
            const int code = ScoreCodes::codeBetween(packedGuess, ScoreCodes::PackedNumber::of(secret));
            QCOMPARE(code, ScoreCodes::codeOf(score.hits, score.blows));
            QCOMPARE(ScoreCodes::resultOf(code).hits, score.hits);
            QCOMPARE(ScoreCodes::resultOf(code).blows, score.blows);
        }
    }
}

QTEST_MAIN(TestExpertPlayer)
#include "tst_expertplayer.moc"
