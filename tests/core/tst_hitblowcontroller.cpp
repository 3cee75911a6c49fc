// SPDX-License-Identifier: GPL-3.0-or-later
#include "HitBlowController.h"
#include "core/BoardEntry.h"
#include "platform/UserDefaults.h"

#include "FakePreferences.h"
#include "Fakes.h"
#include "StoredDefaults.h"

#include <QTest>

Q_DECLARE_METATYPE(NumberSet)

namespace QTest {
template <>
inline char *toString(const std::optional<NumberSet> &number)
{
    return qstrdup(number ? qPrintable(QStringLiteral("%1%2%3%4").arg((*number)[0]).arg((*number)[1]).arg((*number)[2]).arg((*number)[3])) : "none");
}
} // namespace QTest

namespace {
constexpr NumberSet kMacSecret{3, 9, 5, 1}; // index 1989 of the full list
} // namespace

// Whole matches through the controller alone, without widgets, playing the user's side through its
// setters and what the board's entry accepts, with a manual clock and scripted random draws: the computer's secret comes from the first draw, its guesses
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
    void resumedMatchPlaysOnAsIfNeverStopped_data();
    void resumedMatchPlaysOnAsIfNeverStopped();
    void noSavedMatchOutsideARunningMatch();
    void entryRefusesWhatTheRulesForbid_data();
    void entryRefusesWhatTheRulesForbid();
    void wholeMatchThroughTheEntry();

private:
    void startMatch(const NumberSet &userSecret);
    void scoreMacGuess(int hits, int blows);
    void guess(const NumberSet &answer);
    void loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<FakePreferences> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
};

void TestHitBlowController::init()
{
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    m_prefs = std::make_unique<FakePreferences>();
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

namespace {
// The user's side of a scripted match: the true counts for each of Mac's guesses, and these
// guesses in turn (the last repeated); the clock is moved on over every pause.
struct ScriptedUser {
    NumberSet secret;
    std::vector<NumberSet> guesses;

    // Plays controller on until it reaches status stopStatus with stopRound user guesses made, or
    // the match is decided.
    void playUntil(HitBlowController &controller, ManualScheduler &clock, int stopStatus, int stopRound) const
    {
        for (int step = 0; step < 200; ++step) {
            const int status = controller.gameStatus();
            if ((status == stopStatus && int(controller.userFormerAnswers().size()) == stopRound)
                || status >= GameStatusGameOver)
                return;
            switch (status) {
            case GameStatusMacTurn:
                clock.advance(1.0);
                break;
            case GameStatusCheckHitBlow: {
                const HitBlowResult score =
                    controller.numberComparer().checkHitsBlowsIn(secret, *controller.macCurrentAnswer());
                controller.setMacCurrentHitsCount(score.hits);
                controller.setMacCurrentBlowsCount(score.blows);
                controller.setGameStatus(GameStatusUserTurn);
                break;
            }
            case GameStatusUserTurn:
                controller.setUserCurrentAnswer(
                    guesses[std::min(controller.userFormerAnswers().size(), guesses.size() - 1)]);
                controller.setGameStatus(GameStatusUserResult);
                break;
            case GameStatusUserResult:
                // The board's pause after a scored guess, which this test has no board for.
                controller.setGameStatus(GameStatusMacTurn);
                break;
            default:
                return;
            }
        }
    }
};

struct PlayedMatch {
    std::optional<NumberSet> macSecret;
    std::optional<NumberSet> userSecret;
    std::vector<NumberSet> macAnswers;
    std::vector<int> macHits;
    std::vector<NumberSet> userAnswers;
    std::vector<int> userHits;
    int result = 0;

    static PlayedMatch of(const HitBlowController &controller)
    {
        return {controller.macOwnNumbers(), controller.userOwnNumbers(), controller.macFormerAnswers(),
                controller.macFormerHitsCount(), controller.userFormerAnswers(), controller.userFormerHitsCount(),
                controller.matchResult()};
    }
    friend bool operator==(const PlayedMatch &, const PlayedMatch &) = default;
};
} // namespace

void TestHitBlowController::resumedMatchPlaysOnAsIfNeverStopped_data()
{
    QTest::addColumn<int>("strength");
    QTest::addColumn<int>("stopStatus");
    QTest::addColumn<int>("stopRound");
    QTest::newRow("Expert, before its first guess") << 3 << int(GameStatusMacTurn) << 0;
    QTest::newRow("Expert, its first guess unscored") << 3 << int(GameStatusCheckHitBlow) << 0;
    QTest::newRow("Expert, user's first turn") << 3 << int(GameStatusUserTurn) << 0;
    QTest::newRow("Expert, user's guess scored") << 3 << int(GameStatusUserResult) << 1;
    QTest::newRow("Expert, third guess unscored") << 3 << int(GameStatusCheckHitBlow) << 2;
    QTest::newRow("Expert, user's fourth turn") << 3 << int(GameStatusUserTurn) << 3;
    QTest::newRow("Hard, user's second turn") << 2 << int(GameStatusUserTurn) << 1;
    QTest::newRow("Easy, second guess unscored") << 0 << int(GameStatusCheckHitBlow) << 1;
}

// A match kept in the middle and gone on with in a new controller (as after a restart) ends as the
// same match would have without the stop: same secrets, same guesses and scores on both sides.
void TestHitBlowController::resumedMatchPlaysOnAsIfNeverStopped()
{
    QFETCH(int, strength);
    QFETCH(int, stopStatus);
    QFETCH(int, stopRound);
    loadSettings({{"StrengthLevel", strength}});
    const ScriptedUser user{{4, 5, 6, 7}, {{0, 1, 2, 3}, {0, 1, 8, 9}, {9, 8, 2, 3}, {3, 9, 5, 1}}};

    // Never stopped.
    m_fakes->random.queued = {1989};
    m_controller->newGame();
    m_controller->setUserOwnNumbers(user.secret);
    m_controller->setGameStatus(GameStatusMacTurn);
    user.playUntil(*m_controller, m_fakes->scheduler, -1, -1);
    QVERIFY(m_controller->gameStatus() >= GameStatusGameOver);
    const PlayedMatch unbroken = PlayedMatch::of(*m_controller);

    // Stopped, kept in its text form, and gone on with by another controller on fresh services.
    FakeServices firstRun;
    HitBlowController stopped(firstRun.services());
    stopped.setPrefWindowController(m_prefs.get());
    firstRun.random.queued = {1989};
    stopped.newGame();
    stopped.setUserOwnNumbers(user.secret);
    stopped.setGameStatus(GameStatusMacTurn);
    user.playUntil(stopped, firstRun.scheduler, stopStatus, stopRound);
    QCOMPARE(stopped.gameStatus(), stopStatus);
    const std::optional<SavedMatch> saved = stopped.savedMatch();
    QVERIFY(saved);
    QCOMPARE(saved->strength, strength);
    QString error;
    const std::optional<SavedMatch> reread = SavedMatch::fromJson(saved->toJson(), &error);
    QVERIFY2(reread, qPrintable(error));
    QVERIFY(*reread == *saved);

    FakeServices secondRun;
    HitBlowController resumed(secondRun.services());
    resumed.setPrefWindowController(m_prefs.get());
    resumed.awakeFromNib();
    int heard = 0;
    QObject::connect(&resumed, &HitBlowController::gameStatusChanged, [&heard] { ++heard; });
    resumed.resumeMatch(*reread);
    QCOMPARE(resumed.gameStatus(), stopStatus);
    QCOMPARE(heard, 1);
    QCOMPARE(resumed.restCandidatesCount(), stopped.restCandidatesCount());
    QVERIFY(resumed.candidatesArray() == stopped.candidatesArray());
    QCOMPARE(PlayedMatch::of(resumed), PlayedMatch::of(stopped));
    // The first guess waits its pause again; nothing else is pending.
    QCOMPARE(secondRun.scheduler.pendingCount(), stopStatus == GameStatusMacTurn ? 1 : 0);
    QCOMPARE(secondRun.sounds.played.size(), qsizetype(stopStatus == GameStatusCheckHitBlow ? 1 : 0));

    user.playUntil(resumed, secondRun.scheduler, -1, -1);
    QVERIFY(resumed.gameStatus() >= GameStatusGameOver);
    if (strength == ExpertPlayer::kStrengthLevel) {
        QCOMPARE(PlayedMatch::of(resumed), unbroken);
    } else {
        // Below Expert Mac picks at random, from the same candidates.
        QCOMPARE(resumed.macOwnNumbers(), unbroken.macSecret);
        QCOMPARE(resumed.macFormerAnswers().front(), unbroken.macAnswers.front());
    }
}

void TestHitBlowController::noSavedMatchOutsideARunningMatch()
{
    QVERIFY(!m_controller->savedMatch());
    m_controller->newGame();
    QVERIFY(!m_controller->savedMatch());
    startMatch({4, 5, 6, 7});
    QVERIFY(m_controller->savedMatch());
    m_controller->setGameStatus(GameStatusGameOver);
    QVERIFY(!m_controller->savedMatch());
}

// Keys as the board hands them to its entry: digits, "<" for Left, ">" for Right, "x" for Delete.
static void typeInto(BoardEntry &entry, GameStatus status, const QString &keys)
{
    for (const QChar key : keys) {
        if (key == u'<' || key == u'>')
            entry.moveCursor(status, key == u'<' ? -1 : 1);
        else if (key == u'x')
            entry.deleteAtCursor(status);
        else
            entry.type(status, key.digitValue());
    }
}

void TestHitBlowController::entryRefusesWhatTheRulesForbid_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<NumberSet>("read"); // the guess, or the counts in the first two places
    QTest::addColumn<bool>("accepted");
    // Mac's guess 0123 against the secret 4512 scores 0 hits and 2 blows.
    QTest::newRow("true counts") << int(GameStatusCheckHitBlow) << "02" << NumberSet{0, 2} << true;
    QTest::newRow("wrong hits") << int(GameStatusCheckHitBlow) << "12" << NumberSet{1, 2} << false;
    QTest::newRow("wrong blows") << int(GameStatusCheckHitBlow) << "01" << NumberSet{0, 1} << false;
    QTest::newRow("blows alone, hits blank") << int(GameStatusCheckHitBlow) << ">2" << NumberSet{0, 2} << true;
    QTest::newRow("a third count overwrites the last") << int(GameStatusCheckHitBlow) << "019" << NumberSet{0, 9} << false;
    QTest::newRow("four different digits") << int(GameStatusUserTurn) << "1234" << NumberSet{1, 2, 3, 4} << true;
    QTest::newRow("a repeated digit") << int(GameStatusUserTurn) << "1213" << NumberSet{1, 2, 1, 3} << false;
    QTest::newRow("a missing digit counts as 0") << int(GameStatusUserTurn) << "123" << NumberSet{1, 2, 3, 0} << true;
    QTest::newRow("and can repeat 0") << int(GameStatusUserTurn) << "012" << NumberSet{0, 1, 2, 0} << false;
    QTest::newRow("typed over after Left") << int(GameStatusUserTurn) << "1234<5" << NumberSet{1, 2, 5, 4} << true;
    QTest::newRow("Delete takes the last back") << int(GameStatusUserTurn) << "1233x4" << NumberSet{1, 2, 3, 4} << true;
    QTest::newRow("Right wraps to the first") << int(GameStatusUserTurn) << "1234>5" << NumberSet{5, 2, 3, 4} << true;
}

void TestHitBlowController::entryRefusesWhatTheRulesForbid()
{
    QFETCH(int, status);
    QFETCH(QString, keys);
    QFETCH(NumberSet, read);
    QFETCH(bool, accepted);

    BoardEntry entry;
    typeInto(entry, gameStatusOf(status), keys);
    if (status == GameStatusCheckHitBlow) {
        const BoardEntry::CountsCheck check = entry.checkCounts({0, 2});
        QCOMPARE((NumberSet{check.typed.hits, check.typed.blows, 0, 0}), read);
        QCOMPARE(check.matchesTruth, accepted);
    } else {
        const BoardEntry::GuessCheck check = entry.checkGuess();
        QCOMPARE(check.guess, read);
        QCOMPARE(check.accepted(), accepted);
        if (accepted)
            QCOMPARE(entry.cursor(), 0);
    }
}

// Scores a guess by counting, independently of the comparer the match uses.
static HitBlowResult countedScore(const NumberSet &secret, const NumberSet &guess)
{
    HitBlowResult score;
    for (int i = 0; i < kDigitCount; ++i) {
        for (int j = 0; j < kDigitCount; ++j) {
            if (secret[i] == guess[j])
                ++(i == j ? score.hits : score.blows);
        }
    }
    return score;
}

void TestHitBlowController::wholeMatchThroughTheEntry()
{
    // The user's counts and guesses go through the entry as the board hands them over: a wrong
    // count is refused and typed again, the user closes in on Mac's number and wins.
    const NumberSet userSecret{4, 5, 6, 7};
    startMatch(userSecret);
    const QStringList guesses{"0123", "3915", "3951"};
    BoardEntry entry;
    for (int round = 0; round < guesses.size(); ++round) {
        QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
        const HitBlowResult truth = countedScore(userSecret, *m_controller->macCurrentAnswer());
        typeInto(entry, GameStatusCheckHitBlow, QString::number((truth.hits + 1) % 5) + QString::number(truth.blows));
        QVERIFY(!entry.checkCounts(truth).matchesTruth);
        entry.clearCounts();
        typeInto(entry, GameStatusCheckHitBlow, QString::number(truth.hits) + QString::number(truth.blows));
        QVERIFY(entry.checkCounts(truth).matchesTruth);
        entry.clearCounts();
        scoreMacGuess(truth.hits, truth.blows);

        typeInto(entry, GameStatusUserTurn, guesses[round]);
        const BoardEntry::GuessCheck check = entry.checkGuess();
        QVERIFY(check.accepted());
        guess(check.guess);
        entry.clearGuess();
        const HitBlowResult score = countedScore(kMacSecret, check.guess);
        QCOMPARE(m_controller->userCurrentHitsCount(), score.hits);
        QCOMPARE(m_controller->userCurrentBlowsCount(), score.blows);
        if (round + 1 < guesses.size())
            m_controller->setGameStatus(GameStatusMacTurn);
    }
    QCOMPARE(m_controller->gameStatus(), int(GameStatusGameOver));
    QCOMPARE(m_controller->matchResult(), int(MatchResultUserWon));
    QCOMPARE(int(m_controller->userFormerAnswers().size()), 3);
    QCOMPARE(int(m_controller->macFormerHitsCount().size()), 3);
}

QTEST_GUILESS_MAIN(TestHitBlowController)
#include "tst_hitblowcontroller.moc"
