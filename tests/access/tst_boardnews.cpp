// SPDX-License-Identifier: GPL-3.0-or-later
#include "HitBlowController.h"
#include "access/BoardNews.h"

#include <QTest>

Q_DECLARE_METATYPE(BoardMoment)

namespace {
const QString kMacScore = QStringLiteral("Mac's guess 0 1 2 3: you scored 0 hits, 2 blows");
const QString kUserScore = QStringLiteral("Your guess 5 6 7 8: 1 hit, 2 blows");
const QString kWinningScore = QStringLiteral("Your guess 3 9 5 1: 4 hits, 0 blows");
const QString kWon = QStringLiteral("You won. Mac's number was 3 9 5 1.");

BoardMoment macGuessing(int round, const QString &guess, int macScored, int userScored)
{
    return {.status = GameStatusCheckHitBlow, .round = round, .macGuess = guess, .macScored = macScored,
            .macScore = macScored ? kMacScore : QString(), .userScored = userScored,
            .userScore = userScored ? kUserScore : QString()};
}

BoardMoment userTurn(int round, int macScored, int userScored)
{
    return {.status = GameStatusUserTurn, .round = round, .macScored = macScored, .macScore = kMacScore,
            .userScored = userScored, .userScore = userScored ? kUserScore : QString()};
}
} // namespace

// What a screen reader says when the board changes: each change once, in the order a sighted player
// sees it, and nothing for a drawing pass that changed nothing worth saying.
class TestBoardNews : public QObject
{
    Q_OBJECT

private slots:
    void changesAreSpokenOnce_data();
    void changesAreSpokenOnce();
};

void TestBoardNews::changesAreSpokenOnce_data()
{
    QTest::addColumn<BoardMoment>("before");
    QTest::addColumn<BoardMoment>("after");
    QTest::addColumn<QString>("news");

    const BoardMoment title{.status = GameStatusTitle};
    const BoardMoment choosing{.status = GameStatusChooseNumbers, .round = 1};
    const BoardMoment macThinking{.status = GameStatusMacTurn, .round = 1};
    const QString newMatch = QStringLiteral("New match. Choose your number: four different digits.");
    const QString yourTurn = QStringLiteral("Your turn: type your guess, four different digits.");
    const QString macGuesses = QStringLiteral("Round %1. Mac guesses %2: type its hits, then its blows.");

    QTest::newRow("a new match from the title") << title << choosing << newMatch;
    QTest::newRow("a new match in the middle of one") << userTurn(3, 3, 2) << choosing << newMatch;
    QTest::newRow("choosing the number says nothing more") << choosing << choosing << QString();
    QTest::newRow("the number chosen, Mac thinking") << choosing << macThinking << QString();
    QTest::newRow("Mac's first guess appears")
        << macThinking << macGuessing(1, "0 1 2 3", 0, 0) << macGuesses.arg(1).arg("0 1 2 3");
    BoardMoment counted = macGuessing(1, "0 1 2 3", 0, 0);
    counted.typedCounts = QStringLiteral("0 hits, 2 blows");
    QTest::newRow("Mac's guess with its counts typed by the game")
        << macThinking << counted
        << QStringLiteral("Round 1. Mac guesses 0 1 2 3: its counts stand typed, 0 hits, 2 blows; Return confirms them.");
    BoardMoment puzzleStarts = userTurn(1, 0, 0);
    puzzleStarts.macScore.clear();
    puzzleStarts.puzzle = 343;
    QTest::newRow("a daily puzzle from the title")
        << title << puzzleStarts << QStringLiteral("Daily puzzle #343. ") + yourTurn;
    QTest::newRow("counts typed or refused: nothing new")
        << macGuessing(1, "0 1 2 3", 0, 0) << macGuessing(1, "0 1 2 3", 0, 0) << QString();
    QTest::newRow("counts taken: the score, then the user's turn")
        << macGuessing(1, "0 1 2 3", 0, 0) << userTurn(1, 1, 0) << kMacScore + ". " + yourTurn;
    QTest::newRow("a guess typed: nothing") << userTurn(1, 1, 0) << userTurn(1, 1, 0) << QString();
    QTest::newRow("the user's guess scored")
        << userTurn(1, 1, 0) << BoardMoment{.status = GameStatusUserResult, .round = 1, .macScored = 1,
                                            .macScore = kMacScore, .userScored = 1, .userScore = kUserScore}
        << kUserScore + ".";
    QTest::newRow("the score and Mac's next guess in one drawing pass")
        << userTurn(1, 1, 0) << macGuessing(2, "4 5 6 7", 1, 1) << kUserScore + ". " + macGuesses.arg(2).arg("4 5 6 7");
    QTest::newRow("the same digits guessed in the next round")
        << macGuessing(1, "0 1 2 3", 1, 1) << macGuessing(2, "0 1 2 3", 1, 1) << macGuesses.arg(2).arg("0 1 2 3");
    QTest::newRow("won: the last score, then the result")
        << userTurn(4, 4, 3)
        << BoardMoment{.status = GameStatusGameOver, .round = 4, .macScored = 4, .macScore = kMacScore,
                       .userScored = 4, .userScore = kWinningScore, .result = kWon}
        << kWinningScore + ". " + kWon;
    const BoardMoment over{.status = GameStatusGameOver, .round = 4, .userScored = 4, .userScore = kWinningScore,
                           .result = kWon};
    BoardMoment shown = over;
    shown.status = GameStatusResultShown;
    QTest::newRow("the result stays: said once") << over << shown << QString();
    QTest::newRow("the next match after a result") << shown << choosing << newMatch;
}

void TestBoardNews::changesAreSpokenOnce()
{
    QFETCH(BoardMoment, before);
    QFETCH(BoardMoment, after);
    QFETCH(QString, news);

    QCOMPARE(BoardNews::between(before, after), news);
}

QTEST_MAIN(TestBoardNews)
#include "tst_boardnews.moc"
