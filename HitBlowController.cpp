// SPDX-License-Identifier: GPL-3.0-or-later
#include "HitBlowController.h"

#include "daily/HardMode.h"

#include "platform/Scheduler.h"
#include "platform/SoundPlayer.h"

HitBlowController::HitBlowController(const Services &services)
    : m_services(services)
    , m_numberComparer(services.random)
    , m_mac(m_numberComparer)
{
}

void HitBlowController::setGameBoardView(BoardDisplay *view)
{
    m_gameBoardView = view;
}

void HitBlowController::setPrefWindowController(MatchPreferences *controller)
{
    m_prefWindowController = controller;
}

void HitBlowController::awakeFromNib()
{
    if (m_gameBoardView)
        m_gameBoardView->takeKeyboard();
    dropMatch();
    m_gameStatus = GameStatusTitle;
    requestRedraw();
}

void HitBlowController::newGame()
{
    m_services.scheduler.cancelPrevious(this, kAskMacNextAnswer);

    dropMatch();
    m_matchResult = MatchResultNone;
    m_macCurrentHitsCount = m_macCurrentBlowsCount = 0;
    m_userCurrentHitsCount = m_userCurrentBlowsCount = 0;

    m_mac.newMatch();
    m_macOwnNumbers = m_numberComparer.makeMacOwnNumbersIn(*m_mac.candidates());
    m_restCandidatesCount = static_cast<int>(m_mac.candidates()->size());

    if (m_gameBoardView)
        m_gameBoardView->resetAll();
    setGameStatus(GameStatusChooseNumbers);
}

void HitBlowController::startDaily(const DailyRound &puzzle)
{
    // The hard mode mark holds while every guess is made in hard mode.
    setUpPuzzle(DailyRound(puzzle.number(), puzzle.isPractice(), hardModeOn()), {});
    setGameStatus(GameStatusUserTurn);
}

void HitBlowController::showFinishedDaily(const DailyRound &puzzle, const std::vector<Turn> &turns)
{
    setUpPuzzle(puzzle, turns);
    // A puzzle given up before its end is shown as lost.
    m_matchResult = DailyRound::resultAfter(int(turns.size()), m_userCurrentHitsCount);
    if (m_matchResult == MatchResultNone)
        m_matchResult = MatchResultMacWon;
    if (m_gameBoardView && m_userCurrentAnswer)
        m_gameBoardView->showLastGuess(*m_userCurrentAnswer);
    m_gameStatus = GameStatusResultShown;
    requestRedraw();
    tellStatusChanged();
}

// Drops any match for puzzle with the guesses of turns made, each scored against the puzzle's
// secret, which comes from its number whatever a kept text says.
void HitBlowController::setUpPuzzle(const DailyRound &puzzle, const std::vector<Turn> &turns)
{
    m_services.scheduler.cancelPrevious(this, kAskMacNextAnswer);
    dropMatch();
    m_matchResult = MatchResultNone;
    m_macCurrentHitsCount = m_macCurrentBlowsCount = 0;
    m_userCurrentHitsCount = m_userCurrentBlowsCount = 0;
    m_restCandidatesCount = 0;
    m_daily = puzzle;
    m_macOwnNumbers = puzzle.secret();
    for (const Turn &turn : turns) {
        const NumberSet &guess = turn.guess;
        const HitBlowResult score = m_numberComparer.checkHitsBlowsIn(*m_macOwnNumbers, guess);
        m_userFormerAnswers.push_back(guess);
        m_userFormerHitsCount.push_back(score.hits);
        m_userFormerBlowsCount.push_back(score.blows);
        m_userCurrentAnswer = guess;
        m_userCurrentHitsCount = score.hits;
        m_userCurrentBlowsCount = score.blows;
    }
    if (m_gameBoardView)
        m_gameBoardView->resetAll();
}

std::optional<Turn> HitBlowController::hardModeContradiction(const NumberSet &guess) const
{
    if (!hardModeOn())
        return std::nullopt;
    std::vector<Turn> earlier;
    for (std::size_t i = 0; i < m_userFormerAnswers.size(); ++i)
        earlier.push_back({m_userFormerAnswers[i], {m_userFormerHitsCount[i], m_userFormerBlowsCount[i]}});
    return HardMode::contradiction(guess, earlier);
}

bool HitBlowController::hardModeOn() const
{
    return m_prefWindowController && m_prefWindowController->hardMode();
}

std::optional<SavedMatch> HitBlowController::savedMatch() const
{
    if (m_daily && isMatchRunning(gameStatusOf(m_gameStatus)) && m_macOwnNumbers) {
        SavedMatch puzzle;
        puzzle.status = gameStatusOf(m_gameStatus);
        puzzle.strength = strengthLevel();
        puzzle.macOwnNumbers = *m_macOwnNumbers;
        puzzle.userTurns = turnsOf(m_userFormerAnswers, m_userFormerHitsCount, m_userFormerBlowsCount);
        puzzle.dailyPuzzle = m_daily->number();
        puzzle.dailyPractice = m_daily->isPractice();
        puzzle.dailyHardMode = m_daily->playedInHardMode();
        return puzzle;
    }
    if (!isMatchRunning(gameStatusOf(m_gameStatus)) || !m_macOwnNumbers || !m_userOwnNumbers || !m_mac.candidates())
        return std::nullopt;
    SavedMatch match;
    match.status = gameStatusOf(m_gameStatus);
    match.strength = strengthLevel();
    match.macOwnNumbers = *m_macOwnNumbers;
    match.userOwnNumbers = *m_userOwnNumbers;
    match.macTurns = m_mac.turns();
    match.macUnscoredGuess = m_mac.unscoredGuess();
    match.userTurns = turnsOf(m_userFormerAnswers, m_userFormerHitsCount, m_userFormerBlowsCount);
    if (const std::optional<std::vector<int>> &levels = m_mac.levels())
        match.macLevels = *levels;
    else
        match.candidates = *m_mac.candidates();
    match.relabelling = m_mac.relabelling();
    return match;
}

void HitBlowController::resumeMatch(const SavedMatch &match)
{
    if (match.dailyPuzzle > 0) {
        resumeDaily(match);
        return;
    }
    m_services.scheduler.cancelPrevious(this, kAskMacNextAnswer);
    dropMatch();
    m_matchResult = MatchResultNone;
    m_macOwnNumbers = match.macOwnNumbers;
    m_userOwnNumbers = match.userOwnNumbers;
    if (match.candidates)
        m_mac.resume(*match.candidates, match.macTurns, match.macUnscoredGuess, match.relabelling);
    else
        m_mac.replay(match.macTurns, match.macUnscoredGuess, match.macLevels, match.relabelling);
    m_restCandidatesCount = static_cast<int>(m_mac.candidates()->size());
    m_macCurrentHitsCount = m_macCurrentBlowsCount = 0;
    m_userCurrentHitsCount = m_userCurrentBlowsCount = 0;
    if (match.macUnscoredGuess) {
        m_macCurrentAnswer = match.macUnscoredGuess;
    } else if (!match.macTurns.empty()) {
        m_macCurrentAnswer = match.macTurns.back().guess;
        m_macCurrentHitsCount = match.macTurns.back().score.hits;
        m_macCurrentBlowsCount = match.macTurns.back().score.blows;
    }
    for (const Turn &turn : match.userTurns) {
        m_userFormerAnswers.push_back(turn.guess);
        m_userFormerHitsCount.push_back(turn.score.hits);
        m_userFormerBlowsCount.push_back(turn.score.blows);
    }
    if (!match.userTurns.empty()) {
        m_userCurrentAnswer = match.userTurns.back().guess;
        m_userCurrentHitsCount = match.userTurns.back().score.hits;
        m_userCurrentBlowsCount = match.userTurns.back().score.blows;
    }

    if (m_gameBoardView)
        m_gameBoardView->resumeWithChosenNumbers(match.userOwnNumbers);
    if (match.status == GameStatusMacTurn || match.status == GameStatusCheckHitBlow) {
        // Entering these again re-arms the first guess's pause, or guesses, or sounds the guess.
        setGameStatus(match.status);
        return;
    }
    // Entering the user's turn would record the counts a second time, and the user's result would
    // score the guess again: both are in the records already. The board's drawing of the user's
    // result starts its pause.
    m_gameStatus = match.status;
    requestRedraw();
    tellStatusChanged();
}

void HitBlowController::resumeDaily(const SavedMatch &match)
{
    setUpPuzzle(DailyRound(match.dailyPuzzle, match.dailyPractice, match.dailyHardMode), match.userTurns);
    // The pause after a guess starts again from the board's drawing, as in a match against Mac.
    m_gameStatus = match.status;
    requestRedraw();
    tellStatusChanged();
}

void HitBlowController::setGameStatus(int status)
{
    // A daily puzzle has no Mac turn: the pause after a guess leads to the user's next one.
    if (m_daily && status == GameStatusMacTurn)
        status = GameStatusUserTurn;
    m_gameStatus = status;
    switch (status) {
    case GameStatusTitle:
    case GameStatusChooseNumbers:
    case GameStatusGameOver:
        requestRedraw();
        break;
    case GameStatusMacTurn:
        // Only the first guess of a match waits here; later ones follow the board's own pause.
        if (m_mac.candidates() && m_mac.candidates()->size() == kAllNumbersCount) {
            requestRedraw();
            m_services.scheduler.performAfterDelay(this, kAskMacNextAnswer, pauseSeconds(),
                                                   [this] { askMacNextAnswer(); });
        } else {
            askMacNextAnswer();
        }
        break;
    case GameStatusCheckHitBlow:
        if (m_prefWindowController && m_prefWindowController->gameSettings().soundOn())
            m_services.sounds.play(QStringLiteral("piko"));
        if (m_gameBoardView)
            m_gameBoardView->typeTrueCountsIfAutomatic();
        requestRedraw();
        break;
    case GameStatusUserTurn:
        if (!m_daily)
            recordAcceptedCounts();
        requestRedraw();
        break;
    case GameStatusUserResult:
        scoreUserAnswer();
        break;
    default:
        break;
    }
    tellStatusChanged();
}

void HitBlowController::tellStatusChanged()
{
    emit gameStatusChanged(m_gameStatus);
}

// Empties the six record lists and drops both secrets, both current guesses and the candidates.
void HitBlowController::dropMatch()
{
    m_userFormerAnswers.clear();
    m_userFormerHitsCount.clear();
    m_userFormerBlowsCount.clear();
    m_macCurrentAnswer.reset();
    m_userCurrentAnswer.reset();
    m_macOwnNumbers.reset();
    m_userOwnNumbers.reset();
    m_mac.clear();
    m_daily.reset();
}

void HitBlowController::askMacNextAnswer()
{
    // Only a running match on the computer's turn takes a guess, and never from an empty list.
    if (!m_mac.candidates() || m_mac.candidates()->empty())
        return;
    m_macCurrentAnswer = m_mac.takeGuess(strengthLevel(), m_services.random);
    m_restCandidatesCount = static_cast<int>(m_mac.candidates()->size());
    setGameStatus(GameStatusCheckHitBlow);
}

void HitBlowController::recordAcceptedCounts()
{
    m_mac.takeScore(m_macCurrentHitsCount, m_macCurrentBlowsCount, strengthLevel());
    if (m_mac.candidates() && m_macCurrentAnswer)
        m_restCandidatesCount = static_cast<int>(m_mac.candidates()->size());
}

int HitBlowController::strengthLevel() const
{
    return m_prefWindowController ? m_prefWindowController->gameSettings().strengthLevel : 1;
}

void HitBlowController::scoreUserAnswer()
{
    if (!m_macOwnNumbers || !m_userCurrentAnswer)
        return;
    const HitBlowResult score = m_numberComparer.checkHitsBlowsIn(*m_macOwnNumbers, *m_userCurrentAnswer);
    m_userCurrentHitsCount = score.hits;
    m_userCurrentBlowsCount = score.blows;
    m_userFormerAnswers.push_back(*m_userCurrentAnswer);
    m_userFormerHitsCount.push_back(m_userCurrentHitsCount);
    m_userFormerBlowsCount.push_back(m_userCurrentBlowsCount);

    if (m_daily) {
        m_daily->guessMade(hardModeOn());
        m_matchResult = DailyRound::resultAfter(int(m_userFormerAnswers.size()), m_userCurrentHitsCount);
    } else if (userHasLastChance())
        m_matchResult = m_userCurrentHitsCount == kDigitCount ? MatchResultDraw : MatchResultMacWon;
    else if (m_userCurrentHitsCount == kDigitCount)
        m_matchResult = MatchResultUserWon;
    else if (m_userFormerAnswers.size() >= kMostUserGuesses)
        m_matchResult = MatchResultDraw;

    if (m_matchResult == MatchResultNone)
        requestRedraw();
    else
        setGameStatus(GameStatusGameOver);
}

double HitBlowController::pauseSeconds() const
{
    return m_prefWindowController ? m_prefWindowController->gameSettings().pauseSeconds() : 1.0;
}

void HitBlowController::requestRedraw()
{
    if (m_gameBoardView)
        m_gameBoardView->setNeedsDisplay();
}
