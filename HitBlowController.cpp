#include "HitBlowController.h"

#include "GameBoardView.h"
#include "PrefWindowController.h"
#include "platform/Scheduler.h"
#include "platform/SoundPlayer.h"

HitBlowController::HitBlowController(const Services &services)
    : m_services(services)
    , m_numberComparer(services.random)
    , m_mac(m_numberComparer)
{
}

void HitBlowController::setGameBoardView(GameBoardView *view)
{
    m_gameBoardView = view;
}

void HitBlowController::setPrefWindowController(PrefWindowController *controller)
{
    m_prefWindowController = controller;
}

void HitBlowController::awakeFromNib()
{
    if (m_gameBoardView)
        m_gameBoardView->setFocus();
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

void HitBlowController::setGameStatus(int status)
{
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
        if (m_prefWindowController && m_prefWindowController->soundOn())
            m_services.sounds.play(QStringLiteral("piko"));
        if (m_gameBoardView)
            m_gameBoardView->typeTrueCountsIfAutomatic();
        requestRedraw();
        break;
    case GameStatusUserTurn:
        recordAcceptedCounts();
        requestRedraw();
        break;
    case GameStatusUserResult:
        scoreUserAnswer();
        break;
    default:
        break;
    }
    if (m_statusListener)
        m_statusListener();
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
    return m_prefWindowController ? m_prefWindowController->strengthLevel() : 1;
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

    if (userHasLastChance())
        m_matchResult = m_userCurrentHitsCount == 4 ? MatchResultDraw : MatchResultMacWon;
    else if (m_userCurrentHitsCount == 4)
        m_matchResult = MatchResultUserWon;
    else if (m_userFormerAnswers.size() >= kMostUserAnswers)
        m_matchResult = MatchResultDraw;

    if (m_matchResult == MatchResultNone)
        requestRedraw();
    else
        setGameStatus(GameStatusGameOver);
}

double HitBlowController::pauseSeconds() const
{
    return m_prefWindowController ? m_prefWindowController->pauseSeconds() : 1.0;
}

void HitBlowController::requestRedraw()
{
    if (m_gameBoardView)
        m_gameBoardView->setNeedsDisplay();
}
