// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowTest.h"

void TestMainWindow::init()
{
    forgetSavedMatch();
    openUserDefaults()->clear();
    QFile::remove(StatisticsFile::defaultPath());
    for (const QString suffix : {"", "-wal", "-shm"})
        QFile::remove(StatisticsStore::defaultPath() + suffix);
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_modalTitle.clear();
    m_modalDefault.clear();
    m_modalRunWhileOpen = false;
}

void TestMainWindow::cleanup()
{
    m_modalCloser.reset();
    m_window.reset();
    m_fakes.reset();
}

void TestMainWindow::rejectNextModalWindow()
{
    m_modalCloser = std::make_unique<QTimer>();
    m_modalCloser->setInterval(10);
    connect(m_modalCloser.get(), &QTimer::timeout, this, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_modalTitle = modal->windowTitle();
        m_modalRunWhileOpen = ModalRun::isActive();
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        m_modalCloser->stop();
    });
    m_modalCloser->start();
}

void TestMainWindow::answerNextQuestion(const QString &answer, bool tick)
{
    m_modalCloser = std::make_unique<QTimer>();
    m_modalCloser->setInterval(10);
    connect(m_modalCloser.get(), &QTimer::timeout, this, [this, answer, tick] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        m_modalTitle = box->text();
        m_modalDefault = box->defaultButton() ? box->defaultButton()->text() : QString();
        m_modalRunWhileOpen = ModalRun::isActive();
        if (tick && box->checkBox())
            box->checkBox()->setChecked(true);
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
        m_modalCloser->stop();
    });
    m_modalCloser->start();
}

void TestMainWindow::reachStatus(int status)
{
    HitBlowController *controller = m_window->hitBlowController();
    GameBoardView *board = m_window->gameBoardView();
    if (status >= GameStatusChooseNumbers)
        controller->newGame();
    if (status >= GameStatusMacTurn) {
        for (const char *digit : {"1", "2", "3", "4"})
            board->keyDown(digit, digit);
    }
    if (status >= GameStatusCheckHitBlow)
        m_fakes->scheduler.advance(10);
    if (status >= GameStatusUserTurn) {
        board->keyDown("\r", "\r");
        m_fakes->scheduler.advance(0.05);
    }
    QCOMPARE(controller->gameStatus(), status);
}

void TestMainWindow::opensWithTheBoardAtItsNaturalSize()
{
    QSignalSpy firstFrame(m_window.get(), &MainWindow::firstFrameShown);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    QCOMPARE(m_window->centralWidget(), m_window->gameBoardView());
    QCOMPARE(m_window->gameBoardView()->size(), QSize(640, 480));
    // Nothing but the menu bar above the board and the status bar below it.
    QCOMPARE(m_window->gameBoardView()->geometry().top(), m_window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(m_window->statusBar()->geometry().top(), m_window->gameBoardView()->geometry().bottom() + 1);
    QCOMPARE(m_window->height(), m_window->menuBar()->height() + 480 + m_window->statusBar()->height());
    QCOMPARE(m_window->windowTitle(), QString("Hit & Blow"));
    // The icon, rendered from SVG, and the sounds come once the first frame is on the screen.
    QTRY_COMPARE(firstFrame.size(), 1);
    m_window->gameBoardView()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(firstFrame.size(), 1);
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!m_window->windowIcon().pixmap(64, 64).isNull());
}

void TestMainWindow::startsOnTheTitleScreenWithTheBoardFocused()
{
    QCOMPARE(m_window->hitBlowController()->gameStatus(), int(GameStatusTitle));
    // The settings were loaded before the first event: a stored value is in force at once.
    m_window.reset();
    openUserDefaults()->setValue("CandidatesVisible", 0);
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    QCOMPARE(m_window->prefWindowController()->candidatesVisible(), 0);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), m_window->gameBoardView());
}

void TestMainWindow::shortcutsReachTheirCommandsWhileTheBoardHasFocus_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("action");
    QTest::newRow("new game") << QKeyCombination(Qt::ControlModifier, Qt::Key_N) << "actionNewGame";
    QTest::newRow("preferences") << QKeyCombination(Qt::ControlModifier, Qt::Key_Comma) << "actionPreferences";
    QTest::newRow("quit") << QKeyCombination(Qt::ControlModifier, Qt::Key_Q) << "actionQuit";
    QTest::newRow("how to play") << QKeyCombination(Qt::NoModifier, Qt::Key_F1) << "actionHowToPlay";
    QTest::newRow("number pad") << QKeyCombination(Qt::ControlModifier, Qt::Key_P) << "actionNumberPad";
    QTest::newRow("statistics") << QKeyCombination(Qt::ControlModifier, Qt::Key_T) << "actionStatistics";
    QTest::newRow("duel") << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_D) << "actionDuel";
    QTest::newRow("network duel") << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_N)
                                  << "actionNetworkDuel";
}

void TestMainWindow::shortcutsReachTheirCommandsWhileTheBoardHasFocus()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, action);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    GameBoardView *board = m_window->gameBoardView();
    QCOMPARE(QApplication::focusWidget(), board);

    auto *command = m_window->findChild<QAction *>(action);
    QVERIFY(command);
    QCOMPARE(command->shortcut(), QKeySequence(keys));
    QSignalSpy triggered(command, &QAction::triggered);
    rejectNextModalWindow();
    QTest::keyClick(board, keys.key(), keys.keyboardModifiers());
    QCOMPARE(triggered.count(), 1);
}

void TestMainWindow::newGameAsksOnlyWhileAMatchRuns_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("confirm"); // the stored "ConfirmAbandon"; -1: none, as on a fresh install
    QTest::addColumn<QString>("answer"); // empty: no question expected
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("how"); // "menu", or on the board: "return", "space", "click"
    QTest::newRow("title screen") << 0 << 1 << "" << false << true << "menu";
    QTest::newRow("title screen, Return on the board") << 0 << 1 << "" << false << true << "return";
    QTest::newRow("title screen, Space on the board") << 0 << 1 << "" << false << true << "space";
    QTest::newRow("title screen, a click on the board") << 0 << 1 << "" << false << true << "click";
    QTest::newRow("choosing a secret") << 1 << 1 << "" << false << true << "menu";
    QTest::newRow("first pause, abandoned") << 2 << 1 << "Abandon" << false << true << "menu";
    QTest::newRow("user's turn, kept playing") << 4 << 1 << "Keep Playing" << true << false << "menu";
    QTest::newRow("user's turn, abandoned for good") << 4 << 1 << "Abandon" << true << true << "menu";
    QTest::newRow("never asked again") << 4 << 0 << "" << false << true << "menu";
    QTest::newRow("fresh install asks") << 3 << -1 << "Keep Playing" << false << false << "menu";
}

void TestMainWindow::newGameAsksOnlyWhileAMatchRuns()
{
    QFETCH(int, status);
    QFETCH(int, confirm);
    QFETCH(QString, answer);
    QFETCH(bool, tick);
    QFETCH(bool, started);
    QFETCH(QString, how);
    m_window.reset();
    if (confirm < 0)
        storeUserDefaults({{"AutoCheck", 1}});
    else
        storeUserDefaults({{"AutoCheck", 1}, {"ConfirmAbandon", confirm}});
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    reachStatus(status);
    const auto guesses = m_window->hitBlowController()->macFormerAnswers().size();

    answerNextQuestion(answer.isEmpty() ? QStringLiteral("Abandon") : answer, tick);
    if (how == "menu")
        m_window->newGameAction()->trigger();
    else if (how == "click")
        QTest::mouseClick(m_window->gameBoardView(), Qt::LeftButton);
    else
        QTest::keyClick(m_window->gameBoardView(), how == "return" ? Qt::Key_Return : Qt::Key_Space);
    QCOMPARE(m_modalTitle, answer.isEmpty() ? QString() : QStringLiteral("Abandon the current match?"));
    QCOMPARE(m_modalRunWhileOpen, !answer.isEmpty());
    // Return never throws a match away.
    QCOMPARE(m_modalDefault, answer.isEmpty() ? QString() : QStringLiteral("Keep Playing"));

    HitBlowController *controller = m_window->hitBlowController();
    QCOMPARE(controller->gameStatus(), started ? int(GameStatusChooseNumbers) : status);
    QCOMPARE(controller->macFormerAnswers().size(), started ? 0 : guesses);
    if (started)
        QCOMPARE(controller->restCandidatesCount(), 5040);
    // Only a running match given up counts, as abandoned.
    const bool abandoned = started && status >= GameStatusMacTurn;
    const auto matches = m_window->matchAssistant()->statisticsKeeper().askAndWait<std::vector<MatchRecord>>(
        [](StatisticsStore &store) { return store.latest(10); });
    QCOMPARE(matches.size(), std::size_t(abandoned ? 1 : 0));
    if (abandoned)
        QCOMPARE(int(matches.front().result), int(MatchOutcome::Abandoned));
    const bool stillAsks = confirm != 0 && !(answer == "Abandon" && tick);
    QCOMPARE(m_window->matchAssistant()->aidSettings().confirmAbandon(), stillAsks);
    if (confirm >= 0)
        QCOMPARE(storedInt(*openUserDefaults(), "ConfirmAbandon"), std::optional<int>(stillAsks ? 1 : 0));
    // Nothing of the abandoned match is left pending.
    m_fakes->scheduler.advance(10);
    QCOMPARE(controller->gameStatus(), started ? int(GameStatusChooseNumbers) : status);
}

void TestMainWindow::keptMatchesListedByRound_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("macGuesses"); // the last unscored while Mac's guess waits for its counts
    QTest::addColumn<int>("userGuesses");
    QTest::addColumn<int>("puzzle");     // a daily puzzle's number, 0 for a match against Mac
    QTest::addColumn<QString>("shown");
    QTest::newRow("Mac's first pause") << int(GameStatusMacTurn) << 0 << 0 << 0 << "Hard · round 1 · ";
    QTest::newRow("Mac's third guess awaiting its counts") << int(GameStatusCheckHitBlow) << 3 << 2 << 0 << "Hard · round 3 · ";
    QTest::newRow("the user's fourth turn") << int(GameStatusUserTurn) << 4 << 3 << 0 << "Hard · round 4 · ";
    QTest::newRow("the user's fourth guess scored") << int(GameStatusUserResult) << 4 << 4 << 0 << "Hard · round 4 · ";
    QTest::newRow("Mac about to open round 5") << int(GameStatusMacTurn) << 4 << 4 << 0 << "Hard · round 5 · ";
    QTest::newRow("a daily puzzle's third guess awaited") << int(GameStatusUserTurn) << 0 << 2 << 12 << "Daily #12 · guess 3 · ";
}

// Each match in Resume Match's list is named by strength (or puzzle), the round it waits in and
// when it was left; the arrows and Return choose one, Escape none.
void TestMainWindow::keptMatchesListedByRound()
{
    QFETCH(int, status);
    QFETCH(int, macGuesses);
    QFETCH(int, userGuesses);
    QFETCH(int, puzzle);
    QFETCH(QString, shown);
    const NumberSet guess{0, 1, 2, 3};
    KeptMatch kept;
    kept.match.status = gameStatusOf(status);
    kept.match.strength = 2;
    kept.match.dailyPuzzle = puzzle;
    for (int i = 0; i < macGuesses; ++i) {
        if (status == GameStatusCheckHitBlow && i == macGuesses - 1)
            kept.match.macUnscoredGuess = guess;
        else
            kept.match.macTurns.push_back({guess, {0, 0}});
    }
    kept.match.userTurns.assign(std::size_t(userGuesses), Turn{guess, {0, 0}});
    kept.updated = QDateTime(QDate(2026, 12, 9), QTime(14, 2)).toUTC();
    QCOMPARE(KeptMatchChooser::describe(kept), shown + "9 Dec 14:02");

    for (const auto &[keys, chosen] : {std::pair{QStringList{"Down", "Return"}, 1}, {{"Down", "Up", "Return"}, 0},
                                       {{"Down", "Escape"}, -1}}) {
        KeptMatchChooser chooser({kept, kept, kept});
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QCOMPARE(chooser.list()->accessibleName(), QStringLiteral("Unfinished matches"));
        for (const QString &key : keys)
            QTest::keyClick(QApplication::focusWidget(), key == "Down" ? Qt::Key_Down : key == "Up" ? Qt::Key_Up
                                                            : key == "Return"                   ? Qt::Key_Return
                                                                                                : Qt::Key_Escape);
        QCOMPARE(chooser.isVisible(), false);
        QCOMPARE(chooser.result() == QDialog::Accepted ? chooser.list()->currentRow() : -1, chosen);
    }
}

void TestMainWindow::keptMatchWaitsForResumeOrAbandon_data()
{
    QTest::addColumn<QString>("command"); // "ctrl+r", "ctrl+r at once", "button", "menu", "new game"
    QTest::addColumn<QString>("answer");  // to New Game's question
    QTest::newRow("Ctrl+R") << "ctrl+r" << "";
    // Pressed at the first frame, before the database has answered: it used to be lost.
    QTest::newRow("Ctrl+R at once") << "ctrl+r at once" << "";
    QTest::newRow("the status bar's Resume Match") << "button" << "";
    QTest::newRow("Game menu's Resume Match") << "menu" << "";
    QTest::newRow("New Game, kept playing") << "new game" << "Keep Playing";
    QTest::newRow("New Game, abandoned") << "new game" << "Abandon";
    QTest::newRow("Return on the title, kept playing") << "return" << "Keep Playing";
    QTest::newRow("a click on the title, abandoned") << "click" << "Abandon";
}

// A match left running when the game ends is neither lost nor counted: the next start offers it
// on the title screen and goes on with it as it was, and New Game counts it as abandoned only
// once the user agrees.
void TestMainWindow::keptMatchWaitsForResumeOrAbandon()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    m_window.reset();
    storeUserDefaults({{"AutoCheck", 1}, {"StrengthLevel", 3}});
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    reachStatus(GameStatusUserTurn);
    const SavedMatch left = *m_window->hitBlowController()->savedMatch();
    QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    m_window.reset();

    m_window = std::make_unique<MainWindow>(m_fakes->services());
    if (command == "ctrl+r at once") {
        connect(m_window.get(), &MainWindow::firstFrameShown, this, [this] {
            QVERIFY(!m_window->matchStatusBar()->resumeButton()->isVisible());
            QTest::keyClick(m_window->gameBoardView(), Qt::Key_R, Qt::ControlModifier);
        });
    }
    QSignalSpy firstFrame(m_window.get(), &MainWindow::firstFrameShown);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(firstFrame.count(), 1);
    HitBlowController *controller = m_window->hitBlowController();
    const auto recorded = [this] {
        return m_window->matchAssistant()->statisticsKeeper().askAndWait<std::vector<MatchRecord>>(
            [](StatisticsStore &store) { return store.latest(10); });
    };
    QCOMPARE(recorded().size(), std::size_t(0));
    if (command != "ctrl+r at once") {
        QCOMPARE(controller->gameStatus(), int(GameStatusTitle));
        // Offered once the database has answered, after the first frame.
        QTRY_VERIFY(m_window->matchStatusBar()->resumeButton()->isVisible());
        QCOMPARE(m_window->resumeMatchAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QVERIFY(m_window->resumeMatchAction()->isEnabled());
        QVERIFY(m_window->matchStatusBar()->matchText().startsWith("Your unfinished match waits: Game > Resume Match (Ctrl+R)"));
    }

    if (command == "ctrl+r")
        QTest::keyClick(m_window->gameBoardView(), Qt::Key_R, Qt::ControlModifier);
    else if (command == "button")
        QTest::mouseClick(m_window->matchStatusBar()->resumeButton(), Qt::LeftButton);
    else if (command == "menu")
        m_window->resumeMatchAction()->trigger();
    if (!answer.isEmpty()) {
        answerNextQuestion(answer, false);
        if (command == "new game")
            m_window->newGameAction()->trigger();
        else if (command == "return")
            QTest::keyClick(m_window->gameBoardView(), Qt::Key_Return);
        else
            QTest::mouseClick(m_window->gameBoardView(), Qt::LeftButton);
        QCOMPARE(m_modalTitle, QStringLiteral("Abandon the unfinished match?"));
    }

    // Keep Playing on the title screen plays the match that waits.
    const bool resumed = answer != "Abandon";
    const bool abandoned = answer == "Abandon";
    QCOMPARE(controller->gameStatus(),
             resumed ? int(GameStatusUserTurn) : abandoned ? int(GameStatusChooseNumbers) : int(GameStatusTitle));
    if (resumed) {
        QVERIFY(*controller->savedMatch() == left);
        QCOMPARE(digitsOf(m_window->gameBoardView()->userNumbers()), digitsOf(left.userOwnNumbers));
    }
    const std::vector<MatchRecord> matches = recorded();
    QCOMPARE(matches.size(), std::size_t(abandoned ? 1 : 0));
    if (abandoned) {
        QCOMPARE(int(matches.front().result), int(MatchOutcome::Abandoned));
        QCOMPARE(matches.front().strength, 3);
    }
    m_window->matchAssistant()->refresh();
    QCOMPARE(m_window->resumeMatchAction()->isEnabled(), !resumed && !abandoned);
    QCOMPARE(m_window->matchStatusBar()->resumeButton()->isVisible(), !resumed && !abandoned);

    // Only what was not abandoned is offered at the next start.
    m_window.reset();
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_COMPARE(m_window->resumeMatchAction()->isEnabled(), !abandoned);
    QTRY_COMPARE(m_window->matchStatusBar()->resumeButton()->isVisible(), !abandoned);
    if (abandoned)
        QTest::qWait(200);
    QCOMPARE(m_window->resumeMatchAction()->isEnabled(), !abandoned);
    QCOMPARE(m_window->matchStatusBar()->resumeButton()->isVisible(), !abandoned);
}

void TestMainWindow::hintTypesAGuessTheUsersScoresAllow()
{
    m_window.reset();
    storeUserDefaults({{"AutoCheck", 1}, {"ShowOwnCandidates", 1}});
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    HitBlowController *controller = m_window->hitBlowController();
    GameBoardView *board = m_window->gameBoardView();
    QAction *hint = m_window->hintAction();
    QCOMPARE(hint->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    QVERIFY(!hint->isEnabled());
    reachStatus(GameStatusUserTurn);
    // The bar and the command follow the match on the next pass of the main loop.
    QTRY_VERIFY(hint->isEnabled());
    QCOMPARE(m_window->matchStatusBar()->matchText(), "Round 1 of 16    Possibilities for Mac's number: 5040");

    // Two rounds with guesses of the user's own, neither of them Mac's number.
    const NumberSet secret = *controller->macOwnNumbers();
    const NumberComparer comparer;
    int played = 0;
    for (const NumberSet &guess : comparer.makeCandidatesArray()) {
        if (played == 2)
            break;
        // Guesses that share digits with Mac's number but are not it leave something to deduce.
        const HitBlowResult score = comparer.checkHitsBlowsIn(secret, guess);
        if (score.hits == 4 || score.hits + score.blows == 0)
            continue;
        for (int digit : guess)
            board->keyDown(QString::number(digit), QString::number(digit));
        board->keyDown("\r", "\r");
        m_fakes->scheduler.advance(0.05);
        QCOMPARE(controller->gameStatus(), int(GameStatusUserResult));
        // Asked for out of the user's turn, the hint types nothing and says when it comes.
        if (played == 0) {
            QTRY_VERIFY(hint->isEnabled());
            hint->trigger();
            QCOMPARE(m_window->matchStatusBar()->currentMessage(),
                     "The hint is for your own guesses: ask again on your turn.");
            QVERIFY(!m_window->matchAssistant()->statisticsKeeper().hinted());
        }
        board->didOK();
        board->keyDown("\r", "\r");
        m_fakes->scheduler.advance(0.05);
        QCOMPARE(controller->gameStatus(), int(GameStatusUserTurn));
        ++played;
    }

    QTRY_VERIFY(hint->isEnabled());
    hint->trigger();
    NumberSet typed{};
    QCOMPARE(board->currentUserAnswer().size(), std::size_t(4));
    for (int i = 0; i < 4; ++i)
        typed[i] = board->currentUserAnswer()[i].value();
    // The hint is the Expert's guess after the user's own records: off the Expert's plan, the best
    // guess one step ahead among the numbers those records allow.
    const OwnRecords records = ownRecordsOf(*controller);
    QVERIFY(typed == ExpertPlayer().nextAnswer(records.candidates(), records.turns, RandomSource::processWide()));
    QVERIFY(m_window->matchAssistant()->statisticsKeeper().hinted());
    // Ready to be sent as it is.
    board->keyDown("\r", "\r");
    m_fakes->scheduler.advance(0.05);
    QVERIFY(controller->userFormerAnswers().back() == typed);
    m_window->matchAssistant()->refresh();
    QVERIFY(m_window->matchStatusBar()->matchText().contains("Round 3 of 16"));
    // A probe the hint typed is no mistake of the player's.
    QVERIFY2(!m_window->matchStatusBar()->matchText().contains("could not be"),
             qPrintable(m_window->matchStatusBar()->matchText()));
}

// Mac's guess waits for its counts when the player turns the automatic check on: they stand typed.
void TestMainWindow::countsTurnedAutomaticStandTyped()
{
    m_window.reset();
    storeUserDefaults({{"AutoCheck", 0}});
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    reachStatus(GameStatusCheckHitBlow);
    GameBoardView *board = m_window->gameBoardView();
    QVERIFY(board->entry().counts().empty());
    m_modalCloser = std::make_unique<QTimer>();
    m_modalCloser->setInterval(10);
    connect(m_modalCloser.get(), &QTimer::timeout, this, [this] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QRadioButton *>("autoCheckOnButton")->click();
        dialog->done(1);
        m_modalCloser->stop();
    });
    m_modalCloser->start();
    m_window->preferencesAction()->trigger();

    HitBlowController *controller = m_window->hitBlowController();
    const HitBlowResult truth =
        NumberComparer().checkHitsBlowsIn(*controller->userOwnNumbers(), *controller->macCurrentAnswer());
    QCOMPARE(board->entry().counts(), (std::vector<int>{truth.hits, truth.blows}));
}

// Today's puzzle solved at once is one row; its share names the puzzle and no digit run; played
// again the same day it adds nothing.
void TestMainWindow::dailyPuzzleOnceADate()
{
    const int today = DailyPuzzle::numberOn(QDate::currentDate());
    const QString secret = NumberText::of(DailyPuzzle::secretOf(today));
    const auto rows = [this] {
        return m_window->matchAssistant()->statisticsKeeper().askAndWait<std::vector<MatchRecord>>(
            [](StatisticsStore &store) { return store.latest(10); });
    };
    QCOMPARE(m_window->dailyPuzzleAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    // The second attempt comes after a restart, the secret typed again if the puzzle were offered.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 1) {
            m_window.reset();
            m_window = std::make_unique<MainWindow>(m_fakes->services());
            m_window->show();
        }
        GameBoardView *board = m_window->gameBoardView();
        m_window->dailyPuzzleAction()->trigger();
        QCOMPARE(m_window->hitBlowController()->gameStatus() == GameStatusUserTurn, attempt == 0);
        if (m_window->hitBlowController()->gameStatus() == GameStatusUserTurn) {
            for (const QChar digit : secret)
                board->keyDown(digit, digit);
            board->keyDown("\r", "\r");
            m_fakes->scheduler.advance(10);
        }
        QTRY_VERIFY(m_window->hitBlowController()->gameStatus() >= GameStatusGameOver);
        m_window->matchAssistant()->refresh();
        QGuiApplication::clipboard()->clear();
        QAction *share = nullptr;
        for (QAction *action : m_window->findChildren<QAction *>()) {
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))
                share = action;
        }
        QVERIFY(share && share->isEnabled());
        share->trigger();
        const QString shared = QGuiApplication::clipboard()->text();
        QVERIFY2(shared.startsWith(QStringLiteral("Hit & Blow #%1 1/10").arg(today)), qPrintable(shared));
        QVERIFY(!shared.contains(QRegularExpression("\\d{4}")));
        const std::vector<MatchRecord> stored = rows();
        QCOMPARE(stored.size(), std::size_t(1));
        QCOMPARE(int(stored.front().mode), int(MatchMode::Daily));
        QCOMPARE(stored.front().puzzle, today);
        QCOMPARE(int(stored.front().result), int(MatchOutcome::Won));
        QCOMPARE(stored.front().guesses, 1);
    }
}

void TestMainWindow::unsavedStatisticsAreToldInTheStatusBar()
{
    // Something that is no database in the statistics' place: it is kept, and the match is not saved.
    m_window.reset();
    QVERIFY(QDir().mkpath(QFileInfo(StatisticsStore::defaultPath()).absolutePath()));
    QFile garbage(StatisticsStore::defaultPath());
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a database");
    garbage.close();
    storeUserDefaults({{"AutoCheck", 1}, {"ConfirmAbandon", 0}});
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    reachStatus(GameStatusUserTurn);
    QCOMPARE(m_window->matchStatusBar()->currentMessage(), QString());
    m_window->newGameAction()->trigger();
    QTRY_VERIFY(m_window->matchStatusBar()->currentMessage().startsWith("Statistics could not be saved: "));
    QVERIFY(m_window->matchStatusBar()->currentMessage().contains("is not a statistics database"));
    QVERIFY(garbage.open(QIODevice::ReadOnly));
    QCOMPARE(garbage.readAll(), QByteArray("not a database"));
}

void TestMainWindow::statusBarFollowsTheMatch_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("round");
    QTest::addColumn<bool>("possibilities");
    QTest::addColumn<bool>("playAgain");
    QTest::addColumn<QString>("saying"); // a part of the bar's text
    QTest::newRow("title screen: how to start") << 0 << false << false << false << "Ctrl+N";
    QTest::newRow("choosing a secret") << 1 << false << false << false << "";
    QTest::newRow("before Mac's first guess") << 2 << false << false << false << "";
    QTest::newRow("scoring Mac's guess") << 3 << true << true << false << "Round 1 of 16";
    QTest::newRow("user's turn") << 4 << true << true << false << "Possibilities for Mac's number: 5040";
    QTest::newRow("user's guess scored") << 5 << true << true << false << "Round 1 of 16";
    QTest::newRow("decided, result not drawn yet") << 6 << true << false << false << "Round 1 of 16";
    QTest::newRow("result shown: how it was decided") << 7 << false << false << true << "You found";
}

void TestMainWindow::statusBarFollowsTheMatch()
{
    QFETCH(int, status);
    QFETCH(bool, round);
    QFETCH(bool, possibilities);
    QFETCH(bool, playAgain);
    QFETCH(QString, saying);
    m_window.reset();
    storeUserDefaults({{"AutoCheck", 1}, {"ShowOwnCandidates", 1}});
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    reachStatus(std::min(status, int(GameStatusUserTurn)));
    HitBlowController *controller = m_window->hitBlowController();
    GameBoardView *board = m_window->gameBoardView();
    if (status >= GameStatusUserResult) {
        // A guess other than Mac's number, or Mac's number itself to end the match.
        NumberSet guess = *controller->macOwnNumbers();
        if (status == GameStatusUserResult)
            std::swap(guess[0], guess[1]);
        for (int digit : guess)
            board->keyDown(QString::number(digit), QString::number(digit));
        board->keyDown("\r", "\r");
        m_fakes->scheduler.advance(0.05);
    }
    // The drawing pass that shows the result moves the match on to the result shown.
    if (status == GameStatusResultShown)
        controller->setGameStatus(GameStatusResultShown);
    QCOMPARE(controller->gameStatus(), status);
    m_window->matchAssistant()->refresh();

    const QString text = m_window->matchStatusBar()->matchText();
    QCOMPARE(text.contains("Round"), round);
    QCOMPARE(text.contains("Possibilities"), possibilities);
    QVERIFY2(text.contains(saying), qPrintable(text));
    QCOMPARE(m_window->matchStatusBar()->playAgainButton()->isVisibleTo(m_window.get()), playAgain);
    // The full text is the bar's tool tip and accessible description; in sight its first message.
    const QLabel *label = m_window->matchStatusBar()->findChild<QLabel *>();
    QCOMPARE(label->toolTip(), text);
    QCOMPARE(label->accessibleDescription(), text);
    QVERIFY(text.startsWith(label->accessibleName()));
    QVERIFY(!label->accessibleName().contains('\n'));
    // Tab leads from the board to Play Again.
    if (playAgain) {
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        board->setFocus();
        for (int tab = 0; tab < 12 && QApplication::focusWidget() != m_window->matchStatusBar()->playAgainButton(); ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_window->matchStatusBar()->playAgainButton());
    }
}

void TestMainWindow::statusBarCutsBetweenWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("room"); // the text whose width the bar has
    QTest::addColumn<QString>("shown");
    const QString start = QStringLiteral("Game > New Game (Ctrl+N) starts a match");
    QTest::newRow("room for it all") << start << start << start;
    QTest::newRow("one letter short") << start << start.chopped(1) << "Game > New Game (Ctrl+N) starts a…";
    QTest::newRow("in the middle of a word") << start << "Game > New Ga" << "Game > New…";
    QTest::newRow("German, cut in a word") << "Beginnen Sie mit zu deiner Zahl" << "Beginnen Sie mit zu dei"
                                           << "Beginnen Sie mit zu…";
    QTest::newRow("one long word stays whole") << "Möglichkeiten" << "Mög" << "Möglichkeiten";
}

void TestMainWindow::statusBarCutsBetweenWords()
{
    QFETCH(QString, text);
    QFETCH(QString, room);
    QFETCH(QString, shown);
    const QFontMetrics metrics(QApplication::font());
    QCOMPARE(MatchStatusBar::wholeWordsWithin(text, metrics, metrics.horizontalAdvance(room)), shown);
}

void TestMainWindow::menusFollowTheDesktopConventions()
{
    const QList<QAction *> menus = m_window->menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->menu()->actions().first(), m_window->newGameAction());
    QCOMPARE(menus[0]->menu()->actions().last(), m_window->quitAction());
    QVERIFY(menus[0]->menu()->actions().contains(m_window->preferencesAction()));
    QVERIFY(menus[1]->menu()->actions().contains(m_window->numberPadAction()));
    QVERIFY(menus[2]->menu()->actions().contains(m_window->howToPlayAction()));
    QCOMPARE(menus[2]->menu()->actions().last(), m_window->aboutAction());

    QCOMPARE(m_window->preferencesAction()->menuRole(), QAction::PreferencesRole);
    QCOMPARE(m_window->quitAction()->menuRole(), QAction::QuitRole);
    QCOMPARE(m_window->aboutAction()->menuRole(), QAction::AboutRole);
    // Commands that open a window say so.
    QVERIFY(m_window->preferencesAction()->text().endsWith(QChar(0x2026)));
}

void TestMainWindow::quittingStoresTheSettings()
{
    const QString file = openUserDefaults()->fileName();
    QFile::remove(file);
    QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));

    QVERIFY(file.endsWith("/HitBlow/HitBlow.conf"));
    QSettings stored(file, QSettings::IniFormat);
    for (const char *key : {"StrengthLevel", "CandidatesVisible", "SoundMode", "AutoCheck", "PlayingRhythm"})
        QVERIFY2(stored.contains(key), key);
}

void TestMainWindow::boardFollowsTheWindowsSize()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->resize(1000, 900);
    QTRY_COMPARE(m_window->gameBoardView()->width(), 1000);
    QCOMPARE(m_window->gameBoardView()->height(),
             900 - m_window->menuBar()->height() - m_window->statusBar()->height());

    m_window->resize(10, 10);
    QTRY_VERIFY(m_window->gameBoardView()->width() < 1000);
    QVERIFY(m_window->gameBoardView()->width() >= 320);
    QVERIFY(m_window->gameBoardView()->height() >= 240);
}

QTEST_MAIN(TestMainWindow)

// A duel between two matches against Mac: played by keys in its own windows, kept among the
// matches from Player 1's side, and the match on the board goes on where it was.
void TestMainWindow::hotSeatDuelLeavesTheMatchAsItWas()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    reachStatus(GameStatusCheckHitBlow);
    const auto macGuesses = m_window->hitBlowController()->macFormerAnswers();

    // Names as they come; Player 1 hides 1234, Player 2 5678; 5687 misses, 1234 wins for Player 2.
    const QString keys = QStringLiteral("\n1234\n 5678\n 5687\n 1234\n\n");
    qsizetype next = 0;
    QTimer typist;
    typist.setInterval(5);
    connect(&typist, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || next >= keys.size())
            return;
        const QChar key = keys.at(next++);
        if (key == QLatin1Char('\n'))
            QTest::keyClick(modal, Qt::Key_Return);
        else
            QTest::keyClick(modal, key.toLatin1());
    });
    typist.start();
    m_window->duelAction()->trigger();
    typist.stop();
    QCOMPARE(next, keys.size());

    m_window->matchAssistant()->statisticsKeeper().waitForWrites();
    const std::vector<MatchRecord> stored = m_window->matchAssistant()->statisticsKeeper().askAndWait<std::vector<MatchRecord>>(
        [](StatisticsStore &store) { return store.latest(2); });
    QCOMPARE(stored.size(), std::size_t(1));
    const MatchRecord *duel = &stored.front();
    QCOMPARE(duel->mode, MatchMode::Duel);
    QCOMPARE(duel->opponent, QStringLiteral("Player 2"));
    QCOMPARE(duel->result, MatchOutcome::Lost);
    QCOMPARE(duel->turns.size(), std::size_t(1));
    QCOMPARE(duel->macNumber, std::optional(NumberSet{5, 6, 7, 8}));
    QCOMPARE(m_window->hitBlowController()->gameStatus(), int(GameStatusCheckHitBlow));
    QCOMPARE(m_window->hitBlowController()->macFormerAnswers(), macGuesses);
    QCOMPARE(m_window->matchAssistant()->statisticsKeeper().askAndWait<int>(
                 [](StatisticsStore &store) { return store.summaryFor(MatchStatistics::kAllStrengths).matches(); }),
             0);
}
