#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"
#include "StoredDefaults.h"

#include <QTest>

Q_DECLARE_METATYPE(NumberSet)

namespace {
constexpr NumberSet kMacSecret{3, 9, 5, 1}; // index 1989 of the full list
} // namespace

// Whole matches through the controller, playing the user's side through its setters, with a manual
// clock and scripted random draws: the computer's secret comes from the first draw, its guesses
// from the following ones (0, 1, 2, ... unless queued).
class TestHitBlowController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titleScreenBeforeFirstMatch();
    void newGameStartsFreshMatch();
    void firstGuessComesAfterThePause_data();
    void firstGuessComesAfterThePause();
    void newGameDuringFirstPauseLeavesNoStaleGuess();
    void scoresPruneAtTheCurrentLevel();
    void matchResults_data();
    void matchResults();
    void sixteenthUserGuessIsADraw();
    void laterRoundsGuessAtOnce();
    void statusesBeyondSixAreOnlyStored();

private:
    void startMatch(const NumberSet &userSecret);
    void scoreMacGuess(int hits, int blows);
    void guess(const NumberSet &answer);
    void loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<PrefWindowController> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
};

void TestHitBlowController::init()
{
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    m_prefs = std::make_unique<PrefWindowController>();
    m_prefs->awakeFromNib();
    m_controller = std::make_unique<HitBlowController>(m_fakes->services());
    m_controller->setPrefWindowController(m_prefs.get());
    m_controller->awakeFromNib();
}

void TestHitBlowController::cleanup()
{
    m_controller.reset();
    m_prefs.reset();
    m_fakes.reset();
}

void TestHitBlowController::loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    storeUserDefaults(values);
    m_prefs->awakeFromNib();
}

void TestHitBlowController::startMatch(const NumberSet &userSecret)
{
    m_fakes->random.queued = {1989};
    m_controller->newGame();
    m_controller->setUserOwnNumbers(userSecret);
    m_controller->setGameStatus(GameStatusMacTurn);
    m_fakes->scheduler.advance(1.0);
}

void TestHitBlowController::scoreMacGuess(int hits, int blows)
{
    QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
    m_controller->setMacCurrentHitsCount(hits);
    m_controller->setMacCurrentBlowsCount(blows);
    m_controller->setGameStatus(GameStatusUserTurn);
}

void TestHitBlowController::guess(const NumberSet &answer)
{
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
    m_controller->setUserCurrentAnswer(answer);
    m_controller->setGameStatus(GameStatusUserResult);
}

void TestHitBlowController::titleScreenBeforeFirstMatch()
{
    QCOMPARE(m_controller->gameStatus(), int(GameStatusTitle));
    QVERIFY(!m_controller->candidatesArray());
    QVERIFY(!m_controller->macOwnNumbers());
    QVERIFY(m_controller->macFormerAnswers().empty());
}

void TestHitBlowController::newGameStartsFreshMatch()
{
    // Leave a finished match behind first.
    startMatch({0, 1, 2, 3});
    scoreMacGuess(4, 0);
    guess({0, 1, 2, 4});
    QCOMPARE(m_controller->gameStatus(), int(GameStatusGameOver));

    m_fakes->random.queued = {42};
    m_controller->newGame();
    QCOMPARE(m_controller->gameStatus(), int(GameStatusChooseNumbers));
    QCOMPARE(m_controller->matchResult(), int(MatchResultNone));
    QCOMPARE(m_controller->restCandidatesCount(), 5040);
    QCOMPARE(m_controller->candidatesArray()->size(), std::size_t(5040));
    QCOMPARE(*m_controller->macOwnNumbers(), m_controller->candidatesArray()->at(42));
    QVERIFY(m_controller->macFormerAnswers().empty());
    QVERIFY(m_controller->macFormerHitsCount().empty());
    QVERIFY(m_controller->macFormerBlowsCount().empty());
    QVERIFY(m_controller->userFormerAnswers().empty());
    QVERIFY(m_controller->userFormerHitsCount().empty());
    QVERIFY(m_controller->userFormerBlowsCount().empty());
    QVERIFY(!m_controller->macCurrentAnswer());
    QVERIFY(!m_controller->userCurrentAnswer());
    QVERIFY(!m_controller->userOwnNumbers());
}

void TestHitBlowController::firstGuessComesAfterThePause_data()
{
    QTest::addColumn<QVariant>("storedRhythm");
    QTest::addColumn<double>("pause");
    QTest::newRow("default") << QVariant() << 1.0;
    QTest::newRow("twice as fast") << QVariant(2.0f) << 0.5;
    QTest::newRow("slow") << QVariant(0.25f) << 4.0;
}

void TestHitBlowController::firstGuessComesAfterThePause()
{
    QFETCH(QVariant, storedRhythm);
    QFETCH(double, pause);
    if (storedRhythm.isValid())
        loadSettings({{"PlayingRhythm", storedRhythm}});

    m_fakes->random.queued = {1989};
    m_controller->newGame();
    QCOMPARE(*m_controller->macOwnNumbers(), kMacSecret);
    m_controller->setUserOwnNumbers({4, 5, 6, 7});
    m_controller->setGameStatus(GameStatusMacTurn);
    QCOMPARE(m_fakes->scheduler.pendingDelays(m_controller.get(), "askMacNextAnswer"), std::vector<double>{pause});

    m_fakes->scheduler.advance(pause * 0.99);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusMacTurn));
    QVERIFY(m_fakes->sounds.played.isEmpty());

    m_fakes->scheduler.advance(pause * 0.02);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
    QCOMPARE(*m_controller->macCurrentAnswer(), (NumberSet{0, 1, 2, 3}));
    QCOMPARE(m_controller->macFormerAnswers(), (std::vector<NumberSet>{{0, 1, 2, 3}}));
    QCOMPARE(m_controller->restCandidatesCount(), 5039);
    QCOMPARE(m_fakes->sounds.played, QStringList{"piko"});
}

void TestHitBlowController::newGameDuringFirstPauseLeavesNoStaleGuess()
{
    m_controller->newGame();
    m_controller->setUserOwnNumbers({4, 5, 6, 7});
    m_controller->setGameStatus(GameStatusMacTurn);
    m_fakes->scheduler.advance(0.5);
    m_controller->newGame();
    m_fakes->scheduler.advance(10);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusChooseNumbers));
    QVERIFY(m_controller->macFormerAnswers().empty());
    QVERIFY(!m_controller->macCurrentAnswer());
    QCOMPARE(m_controller->restCandidatesCount(), 5040);
    QCOMPARE(m_fakes->scheduler.pendingCount(), 0);
}

void TestHitBlowController::scoresPruneAtTheCurrentLevel()
{
    startMatch({0, 2, 4, 5});
    QCOMPARE(*m_controller->macCurrentAnswer(), (NumberSet{0, 1, 2, 3}));
    scoreMacGuess(1, 1);
    QCOMPARE(m_controller->restCandidatesCount(), 720);
    QCOMPARE(m_controller->macFormerHitsCount(), std::vector<int>{1});
    QCOMPARE(m_controller->macFormerBlowsCount(), std::vector<int>{1});

    // A level changed mid-match applies to the next pruning.
    startMatch({0, 2, 4, 5});
    loadSettings({{"StrengthLevel", 0}});
    scoreMacGuess(1, 1);
    QCOMPARE(m_controller->restCandidatesCount(), 2160);
}

void TestHitBlowController::matchResults_data()
{
    QTest::addColumn<NumberSet>("userSecret");
    QTest::addColumn<int>("macHits");
    QTest::addColumn<int>("macBlows");
    QTest::addColumn<NumberSet>("userGuess");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("userHits");
    QTest::addColumn<int>("userBlows");
    // The computer's first guess is [0,1,2,3]; its secret is [3,9,5,1].
    QTest::newRow("user wins") << NumberSet{4, 5, 6, 7} << 0 << 0 << kMacSecret << int(MatchResultUserWon) << 4 << 0;
    QTest::newRow("computer wins") << NumberSet{0, 1, 2, 3} << 4 << 0 << NumberSet{1, 3, 5, 9} << int(MatchResultMacWon) << 1 << 3;
    QTest::newRow("draw on the last chance") << NumberSet{0, 1, 2, 3} << 4 << 0 << kMacSecret << int(MatchResultDraw) << 4 << 0;
}

void TestHitBlowController::matchResults()
{
    QFETCH(NumberSet, userSecret);
    QFETCH(int, macHits);
    QFETCH(int, macBlows);
    QFETCH(NumberSet, userGuess);
    QFETCH(int, result);
    QFETCH(int, userHits);
    QFETCH(int, userBlows);

    startMatch(userSecret);
    scoreMacGuess(macHits, macBlows);
    if (macHits == 4)
        QCOMPARE(m_controller->restCandidatesCount(), 5039); // four hits prune nothing
    guess(userGuess);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusGameOver));
    QCOMPARE(m_controller->matchResult(), result);
    QCOMPARE(m_controller->userCurrentHitsCount(), userHits);
    QCOMPARE(m_controller->userCurrentBlowsCount(), userBlows);
    QCOMPARE(m_controller->userFormerAnswers(), std::vector<NumberSet>{userGuess});
    QCOMPARE(m_controller->userFormerHitsCount(), std::vector<int>{userHits});
    QCOMPARE(m_controller->userFormerBlowsCount(), std::vector<int>{userBlows});
    QCOMPARE(m_fakes->scheduler.pendingCount(), 0);
}

void TestHitBlowController::sixteenthUserGuessIsADraw()
{
    // At level 0 and with these draws the computer does not find [0,1,2,8] within sixteen guesses.
    loadSettings({{"StrengthLevel", 0}});
    const NumberSet userSecret{0, 1, 2, 8};
    startMatch(userSecret);
    const NumberComparer rules;
    for (int round = 1; round <= 16; ++round) {
        const NumberSet macGuess = *m_controller->macCurrentAnswer();
        QCOMPARE(int(m_controller->macFormerAnswers().size()), round);
        QCOMPARE(int(m_controller->macFormerHitsCount().size()), round - 1);
        QVERIFY(std::count(m_controller->candidatesArray()->begin(), m_controller->candidatesArray()->end(), userSecret));
        const HitBlowResult score = rules.checkHitsBlowsIn(userSecret, macGuess);
        QVERIFY(score.hits < 4);
        scoreMacGuess(score.hits, score.blows);
        guess({4, 5, 6, 7});
        if (round < 16) {
            QCOMPARE(m_controller->gameStatus(), int(GameStatusUserResult));
            QCOMPARE(m_controller->matchResult(), int(MatchResultNone));
            m_controller->setGameStatus(GameStatusMacTurn);
        }
    }
    QCOMPARE(m_controller->gameStatus(), int(GameStatusGameOver));
    QCOMPARE(m_controller->matchResult(), int(MatchResultDraw));
    QCOMPARE(int(m_controller->userFormerAnswers().size()), 16);
}

void TestHitBlowController::laterRoundsGuessAtOnce()
{
    startMatch({4, 5, 6, 7});
    scoreMacGuess(0, 0);
    guess({0, 1, 2, 3});
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserResult));
    m_fakes->sounds.played.clear();
    m_controller->setGameStatus(GameStatusMacTurn);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
    QCOMPARE(m_controller->macFormerAnswers().size(), std::size_t(2));
    QCOMPARE(m_controller->restCandidatesCount(), 359);
    QCOMPARE(m_fakes->sounds.played, QStringList{"piko"});
    QCOMPARE(m_fakes->scheduler.pendingCount(), 0);
}

void TestHitBlowController::statusesBeyondSixAreOnlyStored()
{
    startMatch({4, 5, 6, 7});
    const std::size_t guesses = m_controller->macFormerAnswers().size();
    for (int status : {7, 8, 100}) {
        m_controller->setGameStatus(status);
        QCOMPARE(m_controller->gameStatus(), status);
    }
    QCOMPARE(m_controller->macFormerAnswers().size(), guesses);
    QCOMPARE(m_fakes->scheduler.pendingCount(), 0);
}

QTEST_MAIN(TestHitBlowController)
#include "tst_hitblowcontroller.moc"
