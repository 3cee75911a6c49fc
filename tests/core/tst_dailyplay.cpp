// SPDX-License-Identifier: GPL-3.0-or-later
#include "HitBlowController.h"
#include "rules/NumberText.h"

#include "FakePreferences.h"
#include "Fakes.h"

#include <QTest>

namespace {
// Puzzle 1 falls on the first date; its secret is 6592.
const QDate kFirstDate(2026, 1, 1);
constexpr NumberSet kFirstSecret{6, 5, 9, 2};

std::vector<NumberSet> numbersOf(const QString &spaced)
{
    std::vector<NumberSet> numbers;
    for (const QString &text : spaced.split(u' ', Qt::SkipEmptyParts))
        numbers.push_back(*NumberText::parse(text));
    return numbers;
}
} // namespace

// The daily puzzle played through the match controller alone, as the board drives it: a guess
// handed over and scored at once, then the board's pause leading back to the user's turn.
class TestDailyPlay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playsToItsEnd_data();
    void playsToItsEnd();
    void hardModeRefusesWithItsReason_data();
    void hardModeRefusesWithItsReason();
    void keptPuzzleResumes_data();
    void keptPuzzleResumes();

private:
    void guess(const NumberSet &answer);
    void startFirstPuzzle();

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<FakePreferences> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
};

void TestDailyPlay::init()
{
    m_fakes = std::make_unique<FakeServices>();
    m_prefs = std::make_unique<FakePreferences>();
    m_controller = std::make_unique<HitBlowController>(m_fakes->services());
    m_controller->setPrefWindowController(m_prefs.get());
    m_controller->awakeFromNib();
}

void TestDailyPlay::cleanup()
{
    m_controller.reset();
    m_prefs.reset();
    m_fakes.reset();
}

void TestDailyPlay::startFirstPuzzle()
{
    m_controller->startDaily(*DailyRound::of(kFirstDate));
}

// A guess, and the end of the pause after it, as the board hands them over.
void TestDailyPlay::guess(const NumberSet &answer)
{
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
    m_controller->setUserCurrentAnswer(answer);
    m_controller->setGameStatus(GameStatusUserResult);
    if (m_controller->gameStatus() == GameStatusUserResult)
        m_controller->setGameStatus(GameStatusMacTurn);
}

void TestDailyPlay::playsToItsEnd_data()
{
    QTest::addColumn<QString>("guesses");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("lastScore");

    QTest::newRow("solved in one") << "6592" << int(MatchResultUserWon) << "4 0";
    QTest::newRow("solved with the tenth") << "0123 4567 0124 0125 0126 0127 0128 0134 0135 6592"
                                           << int(MatchResultUserWon) << "4 0";
    QTest::newRow("lost after ten") << "0123 4567 0124 0125 0126 0127 0128 0134 0135 2956"
                                    << int(MatchResultMacWon) << "0 4";
}

void TestDailyPlay::playsToItsEnd()
{
    QFETCH(QString, guesses);
    QFETCH(int, result);
    QFETCH(QString, lastScore);

    startFirstPuzzle();
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
    const std::vector<NumberSet> answers = numbersOf(guesses);
    for (const NumberSet &answer : answers)
        guess(answer);

    QCOMPARE(m_controller->gameStatus(), int(GameStatusGameOver));
    QCOMPARE(m_controller->matchResult(), result);
    QCOMPARE(m_controller->userFormerAnswers().size(), answers.size());
    QCOMPARE(QStringLiteral("%1 %2").arg(m_controller->userCurrentHitsCount()).arg(m_controller->userCurrentBlowsCount()),
             lastScore);
    // The board reveals Mac's number at the end: here the puzzle's secret. Mac never guessed.
    QCOMPARE(m_controller->macOwnNumbers(), std::optional(kFirstSecret));
    QVERIFY(m_controller->macFormerAnswers().empty());
    QVERIFY(!m_controller->savedMatch());
}

void TestDailyPlay::hardModeRefusesWithItsReason_data()
{
    QTest::addColumn<bool>("hardMode");
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("contradicted");

    // Against 6592: 0123 scores 0 1, 2456 scores 0 3.
    QTest::newRow("fits the only score") << true << "0123" << "2456" << "";
    QTest::newRow("repeats digits a score ruled out") << true << "0123" << "0124" << "0123 0 1";
    QTest::newRow("misses the blow") << true << "0123" << "4567" << "0123 0 1";
    QTest::newRow("fits the first, not the second") << true << "0123 2456" << "2789" << "2456 0 3";
    QTest::newRow("hard mode off takes anything") << false << "0123" << "0124" << "";
}

void TestDailyPlay::hardModeRefusesWithItsReason()
{
    QFETCH(bool, hardMode);
    QFETCH(QString, earlier);
    QFETCH(QString, next);
    QFETCH(QString, contradicted);

    m_prefs->hard = hardMode;
    startFirstPuzzle();
    for (const NumberSet &answer : numbersOf(earlier))
        guess(answer);
    const std::optional<Turn> refusal = m_controller->hardModeContradiction(numbersOf(next).front());
    const QString reason = refusal ? QStringLiteral("%1 %2 %3")
                                         .arg(NumberText::of(refusal->guess))
                                         .arg(refusal->score.hits)
                                         .arg(refusal->score.blows)
                                   : QString();
    QCOMPARE(reason, contradicted);
    QCOMPARE(m_controller->dailyRound()->playedInHardMode(), hardMode);
}

void TestDailyPlay::keptPuzzleResumes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("inPause");
    QTest::addColumn<bool>("practice");
    QTest::addColumn<bool>("hardModeOff");

    QTest::newRow("on the user's turn") << "0123 4567" << false << false << false;
    QTest::newRow("in the pause after a guess") << "0123 4567 0124" << true << false << false;
    QTest::newRow("practice stays practice") << "0123" << false << true << false;
    QTest::newRow("a guess without hard mode loses the mark") << "0123" << false << false << true;
}

// The puzzle is kept as text, and a new controller (the next run of the game, after midnight)
// goes on with the same puzzle: its number, date and secret are those it started with.
void TestDailyPlay::keptPuzzleResumes()
{
    QFETCH(QString, before);
    QFETCH(bool, inPause);
    QFETCH(bool, practice);
    QFETCH(bool, hardModeOff);

    m_prefs->hard = true;
    m_controller->startDaily(practice ? *DailyRound::practice(1) : *DailyRound::of(kFirstDate));
    const std::vector<NumberSet> answers = numbersOf(before);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        m_prefs->hard = !(hardModeOff && i == 0);
        m_controller->setUserCurrentAnswer(answers[i]);
        m_controller->setGameStatus(GameStatusUserResult);
        if (!inPause || i + 1 < answers.size())
            m_controller->setGameStatus(GameStatusMacTurn);
    }
    const QByteArray kept = m_controller->savedMatch()->toJson();

    HitBlowController resumed(m_fakes->services());
    resumed.setPrefWindowController(m_prefs.get());
    resumed.awakeFromNib();
    const std::optional<SavedMatch> read = SavedMatch::fromJson(kept);
    QVERIFY(read);
    resumed.resumeMatch(*read);

    QCOMPARE(resumed.gameStatus(), int(inPause ? GameStatusUserResult : GameStatusUserTurn));
    QCOMPARE(resumed.dailyRound()->number(), 1);
    QCOMPARE(resumed.dailyRound()->date(), kFirstDate);
    QCOMPARE(resumed.dailyRound()->isPractice(), practice);
    QCOMPARE(resumed.dailyRound()->playedInHardMode(), !hardModeOff);
    QCOMPARE(resumed.userFormerAnswers(), answers);
    QCOMPARE(resumed.userFormerHitsCount(), m_controller->userFormerHitsCount());
    if (inPause)
        resumed.setGameStatus(GameStatusMacTurn);
    resumed.setUserCurrentAnswer(kFirstSecret);
    resumed.setGameStatus(GameStatusUserResult);
    QCOMPARE(resumed.matchResult(), int(MatchResultUserWon));
    QCOMPARE(int(resumed.userFormerAnswers().size()), int(answers.size()) + 1);
}

QTEST_GUILESS_MAIN(TestDailyPlay)
#include "tst_dailyplay.moc"
