// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardInputTest.h"

// The OK button: by key and by mouse, on a guess and on the counts, and the pause after a guess.

void TestBoardInput::okOnGuess_data()
{
    QTest::addColumn<int>("soundMode");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<int>("refusals");
    QTest::newRow("three digits, fourth is 0") << 1 << "1 2 3 ret tick" << "1230" << 0;
    QTest::newRow("two digits give two zeros") << 1 << "1 2 ret tick" << "" << 1;
    QTest::newRow("repeated digit") << 1 << "1 1 2 3 ret tick" << "" << 1;
    QTest::newRow("nothing typed") << 1 << "ret tick" << "" << 1;
    QTest::newRow("silent refusal") << 0 << "1 2 ret tick" << "" << 1;
    QTest::newRow("corrected after a refusal") << 1 << "1 2 ret tick 3 4 ret tick" << "1234" << 1;
    QTest::newRow("enter key") << 1 << "5 6 7 8 ent tick" << "5678" << 0;
    QTest::newRow("line feed") << 1 << "5 6 7 8 lf tick" << "5678" << 0;
    QTest::newRow("button clicked at its corners") << 1 << "5 6 7 8 p341,264 r388,311" << "5678" << 0;
    QTest::newRow("released off the button") << 1 << "5 6 7 8 p341,264 r340,264" << "" << 0;
}

void TestBoardInput::okOnGuess()
{
    QFETCH(int, soundMode);
    QFETCH(QString, script);
    QFETCH(QString, accepted);
    QFETCH(int, refusals);
    loadSettings({{"SoundMode", soundMode}});
    reach(GameStatusUserTurn);

    play(script);
    QCOMPARE(m_board->okBtnStatus(), 0);
    QCOMPARE(m_fakes->alert.messages, QStringList(refusals, "Your answer is against the rule"));
    QCOMPARE(int(m_fakes->sounds.played.count("<beep>")), soundMode == 1 ? refusals : 0);
    if (refusals > 0) // the beep comes before the alert
        QCOMPARE(m_soundsAtAlert.endsWith("<beep>"), soundMode == 1);
    if (accepted.isEmpty()) {
        QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
        QVERIFY(!m_controller->userCurrentAnswer());
        return;
    }
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserResult));
    const NumberSet digits{accepted[0].digitValue(), accepted[1].digitValue(), accepted[2].digitValue(),
                           accepted[3].digitValue()};
    QCOMPARE(*m_controller->userCurrentAnswer(), digits);
    QCOMPARE(m_board->typingIndex(), 0);
    QCOMPARE(m_board->currentUserAnswer().size(), std::size_t(4)); // still shown during the pause
}

// A refusal's details name what is wrong: the digit a guess repeats, or the counts typed with
// Mac's guess and the user's number to check them against.
void TestBoardInput::refusalSaysWhatIsWrong_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("details");
    const QString guessRule = QStringLiteral("A guess is four different digits; %1 repeats %2. A digit not typed counts as 0.");
    const QString counts = QStringLiteral("You typed hits: %1, blows: %2, for Mac's guess 0 1 2 3. Your number is 7 3 0 9.");
    QTest::newRow("a digit typed twice") << int(GameStatusUserTurn) << "4 5 6 7" << "5 6 5 7 ret tick" << guessRule.arg("5 6 5 7", "5");
    QTest::newRow("the repeat at the end") << int(GameStatusUserTurn) << "4 5 6 7" << "5 6 7 7 ret tick" << guessRule.arg("5 6 7 7", "7");
    QTest::newRow("digits missing count as 0") << int(GameStatusUserTurn) << "4 5 6 7" << "1 2 ret tick" << guessRule.arg("1 2 0 0", "0");
    QTest::newRow("counts swapped") << int(GameStatusCheckHitBlow) << "7 3 0 9" << "2 0 ret tick" << counts.arg(2).arg(0);
    QTest::newRow("only the hits typed") << int(GameStatusCheckHitBlow) << "7 3 0 9" << "1 ret tick" << counts.arg(1).arg(0);
}

void TestBoardInput::refusalSaysWhatIsWrong()
{
    QFETCH(int, status);
    QFETCH(QString, secret);
    QFETCH(QString, script);
    QFETCH(QString, details);
    reach(GameStatus(status), secret);

    play(script);
    QCOMPARE(m_fakes->alert.details, QStringList{details});
}

// In hard mode a guess that could not be the number, judged by an earlier score, is refused with
// that guess and score; the daily puzzle 1's secret is 6 5 9 2.
void TestBoardInput::hardModeRefusalNamesTheScore_data()
{
    QTest::addColumn<int>("hardMode");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("details"); // empty: taken
    const QString refused = QStringLiteral("Hard mode: 0 1 2 3 scored hits: 0, blows: 1, but were the number %1 it "
                                           "would have scored hits: %2, blows: %3.");
    QTest::newRow("three hits where none were") << 1 << "0 1 2 4" << refused.arg("0 1 2 4").arg(3).arg(0);
    QTest::newRow("no blow where one was") << 1 << "4 5 6 7" << refused.arg("4 5 6 7").arg(0).arg(0);
    QTest::newRow("fits the score") << 1 << "2 4 5 6" << "";
    QTest::newRow("hard mode off") << 0 << "0 1 2 4" << "";
}

void TestBoardInput::hardModeRefusalNamesTheScore()
{
    QFETCH(int, hardMode);
    QFETCH(QString, next);
    QFETCH(QString, details);
    storeUserDefaults({{"HardMode", hardMode}});
    PlayerAidSettings aids;
    aids.load();
    m_prefs->setPlayerAidSettings(&aids);
    const auto forget = qScopeGuard([this] { m_prefs->setPlayerAidSettings(nullptr); });

    m_controller->startDaily(*DailyRound::practice(1));
    play("0 1 2 3 ret tick");
    // The end of the pause after the score, as the board's drawing would end it.
    m_controller->setGameStatus(GameStatusMacTurn);
    play(next + " ret tick");
    QCOMPARE(m_fakes->alert.details, details.isEmpty() ? QStringList() : QStringList{details});
    QCOMPARE(m_controller->userFormerAnswers().size(), std::size_t(details.isEmpty() ? 2 : 1));
}

void TestBoardInput::okOnCounts_data()
{
    QTest::addColumn<QString>("secret");
    QTest::addColumn<int>("autoCheck");
    QTest::addColumn<int>("soundMode");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("blows");
    // Against the guess 0 1 2 3: secret 0 1 5 6 scores 2 0, 7 3 0 9 scores 0 2, 4 5 6 7 scores 0 0.
    QTest::newRow("only the hits typed") << "0 1 5 6" << 0 << 1 << "2 ret tick" << true << 2 << 0;
    QTest::newRow("both counts") << "7 3 0 9" << 0 << 1 << "0 2 ret tick" << true << 0 << 2;
    QTest::newRow("swapped counts") << "7 3 0 9" << 0 << 1 << "2 0 ret tick" << false << 0 << 0;
    QTest::newRow("nothing typed") << "7 3 0 9" << 0 << 1 << "ret tick" << false << 0 << 0;
    QTest::newRow("nothing typed, nothing scored") << "4 5 6 7" << 0 << 1 << "ret tick" << true << 0 << 0;
    QTest::newRow("silent refusal") << "7 3 0 9" << 0 << 0 << "ret tick" << false << 0 << 0;
    QTest::newRow("automatic check, wrong counts") << "7 3 0 9" << 1 << 1 << "4 4 ret tick" << true << 0 << 2;
    QTest::newRow("automatic check, nothing typed") << "0 1 5 6" << 1 << 1 << "ret tick" << true << 2 << 0;
    QTest::newRow("automatic check is any non-zero") << "0 1 5 6" << 7 << 1 << "3 ret tick" << true << 2 << 0;
    QTest::newRow("button clicked") << "0 1 5 6" << 0 << 1 << "2 p360,290 r360,290" << true << 2 << 0;
}

void TestBoardInput::okOnCounts()
{
    QFETCH(QString, secret);
    QFETCH(int, autoCheck);
    QFETCH(int, soundMode);
    QFETCH(QString, script);
    QFETCH(bool, accepted);
    QFETCH(int, hits);
    QFETCH(int, blows);
    loadSettings({{"AutoCheck", autoCheck}, {"SoundMode", soundMode}});
    reach(GameStatusCheckHitBlow, secret);

    play(script);
    if (accepted) {
        QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
        QCOMPARE(m_controller->macFormerHitsCount(), std::vector<int>{hits});
        QCOMPARE(m_controller->macFormerBlowsCount(), std::vector<int>{blows});
        QVERIFY(m_board->currenMacHitBlow().empty());
        QVERIFY(m_fakes->alert.messages.isEmpty());
    } else {
        QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
        QCOMPARE(m_board->currenMacHitBlow().size(), std::size_t(2));
        QCOMPARE(m_fakes->alert.messages, QStringList{"Your decision is wrong"});
        QCOMPARE(m_soundsAtAlert, m_fakes->sounds.played);
        QCOMPARE(m_fakes->sounds.played.endsWith("<beep>"), soundMode == 1);
    }
}

void TestBoardInput::automaticCheckTypesTheTrueCounts_data()
{
    QTest::addColumn<QString>("secret");
    QTest::addColumn<int>("autoCheck");
    QTest::addColumn<QStringList>("typed");
    // Against the guess 0 1 2 3: secret 0 1 5 6 scores 2 0, 7 3 0 9 scores 0 2.
    QTest::newRow("checked: nothing typed for the user") << "7 3 0 9" << 0 << QStringList{};
    QTest::newRow("automatic: the true counts") << "7 3 0 9" << 1 << QStringList{"0", "2"};
    QTest::newRow("automatic: hits first") << "0 1 5 6" << 1 << QStringList{"2", "0"};
}

void TestBoardInput::automaticCheckTypesTheTrueCounts()
{
    QFETCH(QString, secret);
    QFETCH(int, autoCheck);
    QFETCH(QStringList, typed);
    loadSettings({{"AutoCheck", autoCheck}});
    reach(GameStatusCheckHitBlow, secret);
    QCOMPARE(texts(m_board->currenMacHitBlow()), typed);
    QCOMPARE(m_board->typingIndex(), 0);
    if (typed.isEmpty())
        return;
    // Return confirms them as they stand.
    play("ret tick");
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserTurn));
    QCOMPARE(m_controller->macFormerHitsCount(), std::vector<int>{typed[0].toInt()});
    QCOMPARE(m_controller->macFormerBlowsCount(), std::vector<int>{typed[1].toInt()});
    QVERIFY(m_fakes->alert.messages.isEmpty());
}

void TestBoardInput::okKeyPressesTheButtonBriefly_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("title") << 0 << "ret" << false;
    QTest::newRow("choosing") << 1 << "ret" << true;
    QTest::newRow("computer's turn") << 2 << "ret" << true;
    QTest::newRow("computer's turn, enter") << 2 << "ent" << true;
    QTest::newRow("pause after the guess") << 5 << "ret" << false;
    QTest::newRow("pause after the guess, line feed") << 5 << "lf" << false;
    QTest::newRow("game over") << 6 << "ret" << true;
    QTest::newRow("result shown") << 7 << "lf" << false;
}

void TestBoardInput::okKeyPressesTheButtonBriefly()
{
    QFETCH(int, status);
    QFETCH(QString, key);
    QFETCH(bool, pressed);
    reach(GameStatus(status));
    const QString numbers = slotsText();
    const QStringList entries = texts(m_board->currentUserAnswer());

    play(key);
    QCOMPARE(m_board->okBtnStatus(), int(pressed));
    m_fakes->scheduler.advance(0.049);
    QCOMPARE(m_board->okBtnStatus(), int(pressed));
    m_fakes->scheduler.advance(0.002);
    QCOMPARE(m_board->okBtnStatus(), 0);
    QCOMPARE(m_controller->gameStatus(), status);
    QCOMPARE(slotsText(), numbers);
    QCOMPARE(texts(m_board->currentUserAnswer()), entries);
    QVERIFY(m_fakes->alert.messages.isEmpty());
}

void TestBoardInput::okButtonDrawnPressed_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("release");
    QTest::newRow("mouse") << "p360,290" << "r360,290";
    QTest::newRow("Return") << "ret" << "tick";
}

void TestBoardInput::okButtonDrawnPressed()
{
    QFETCH(QString, press);
    QFETCH(QString, release);
    reach(GameStatusCheckHitBlow);
    const auto okImages = [this] {
        RecordingCanvas canvas;
        m_board->drawRect(canvas);
        return canvas.imageNames().filter(QStringLiteral("OKBtn"));
    };
    QCOMPARE(okImages(), QStringList{"OKBtnUp"});
    play(press);
    QCOMPARE(okImages(), QStringList{"OKBtnDown"});
    play(release);
    QCOMPARE(okImages(), QStringList{"OKBtnUp"});
}

// Whatever arrives while a key's OK press is pending waits for that OK, then acts in order: fast
// typing submits what was typed. The computer's first guess 0 1 2 3 scores 1 and 2 against 0 3 1 9.
void TestBoardInput::inputDuringAnOKKeyPress_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("endStatus");
    QTest::addColumn<QString>("guess");
    QTest::addColumn<int>("refusals");
    QTest::newRow("counts, then a guess") << "1 2 ret 5 6 7 8 ret tick tick" << 5 << "5678" << 0;
    QTest::newRow("a key after the guess") << "1 2 ret 5 6 7 8 ret 1 tick tick" << 5 << "5678" << 0;
    QTest::newRow("the rest of a refused guess") << "1 2 ret 1 2 ret 3 4 ret tick tick tick" << 5 << "1234" << 1;
    QTest::newRow("a click on the button") << "1 2 ret 1 p360,290 r360,290 tick" << 4 << "1" << 1;
    QTest::newRow("a second Return on the counts") << "1 2 ret ret tick tick" << 4 << "" << 0;
}

void TestBoardInput::inputDuringAnOKKeyPress()
{
    QFETCH(QString, script);
    QFETCH(int, endStatus);
    QFETCH(QString, guess);
    QFETCH(int, refusals);
    reach(GameStatusCheckHitBlow, QStringLiteral("0 3 1 9"));

    play(script);
    QCOMPARE(m_controller->gameStatus(), endStatus);
    QCOMPARE(texts(m_board->currentUserAnswer()).join(QString()), guess);
    QCOMPARE(m_fakes->alert.messages.size(), refusals);
    QCOMPARE(m_controller->macFormerHitsCount(), std::vector<int>{1});
    QCOMPARE(m_controller->macFormerBlowsCount(), std::vector<int>{2});
    QCOMPARE(m_board->heldInputCount(), 0);
}

void TestBoardInput::heldOKKeyPressesOnce()
{
    reach(GameStatusUserTurn);
    play("1 2 ret");
    for (int i = 0; i < 3; ++i)
        QTest::simulateEvent(m_board.get(), true, Qt::Key_Return, {}, QStringLiteral("\r"), true);
    QCOMPARE(m_fakes->scheduler.pendingCount(m_board.get(), "upOKBtn"), 1);
    m_fakes->scheduler.advance(1.0);
    QCOMPARE(m_fakes->alert.messages.size(), 1);
}

// A second press still pending when the guess is accepted only comes up: it must neither end the
// pause nor let the computer guess before the score was shown.
void TestBoardInput::keyPendingIntoThePauseDoesNotEndIt()
{
    reach(GameStatusUserTurn);
    play("1 2 3 4 ret");
    m_fakes->scheduler.advance(0.02);
    play("ret tick tick");
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserResult));
    QCOMPARE(m_board->okBtnStatus(), 0);
    QCOMPARE(texts(m_board->currentUserAnswer()), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(m_controller->macFormerAnswers().size(), std::size_t(1));
}

void TestBoardInput::pauseEndsOnceAndNewGameCancelsIt()
{
    GameBoardView *board = m_board.get();
    const auto schedulePauseEnd = [&](double seconds) {
        m_fakes->scheduler.performAfterDelay(board, "didOK", seconds, [board] { board->didOK(); });
    };
    reach(GameStatusUserResult);
    play("p360,290");
    QCOMPARE(m_board->okBtnStatus(), 1);
    play("r360,290");
    QCOMPARE(m_controller->gameStatus(), int(GameStatusUserResult));

    schedulePauseEnd(1.0);
    schedulePauseEnd(1.5);
    m_fakes->scheduler.advance(1.0);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));
    QCOMPARE(m_controller->macFormerAnswers().size(), std::size_t(2));
    QCOMPARE(m_fakes->scheduler.pendingCount(board, "didOK"), 0);
    QVERIFY(m_board->currentUserAnswer().empty());

    reach(GameStatusUserResult);
    schedulePauseEnd(1.0);
    m_controller->newGame();
    m_fakes->scheduler.advance(2.0);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusChooseNumbers));
    QCOMPARE(slotsText(), QStringLiteral("----"));
    for (int digit = 0; digit < 10; ++digit)
        QCOMPARE(m_board->restChoices()[digit], digit);
    QVERIFY(m_board->currentUserAnswer().empty());
    QVERIFY(m_board->currenMacHitBlow().empty());
    QCOMPARE(m_board->typingIndex(), 0);
}
