#include "HitBlowController.h"

#include "GameBoardView.h"
#include "PrefWindowController.h"
#include "platform/Scheduler.h"
#include "platform/SoundPlayer.h"

namespace {
constexpr int kFullCandidatesCount = 5040;
} // namespace

HitBlowController::HitBlowController(const Services &services)
    : m_services(services)
    , m_numberComparer(services.random)
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

    m_candidatesArray = m_numberComparer.makeCandidatesArray();
    m_macOwnNumbers = m_numberComparer.makeMacOwnNumbersIn(*m_candidatesArray);
    m_restCandidatesCount = static_cast<int>(m_candidatesArray->size());

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
        if (m_candidatesArray && m_candidatesArray->size() == kFullCandidatesCount) {
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
    m_macFormerAnswers.clear();
    m_macFormerHitsCount.clear();
    m_macFormerBlowsCount.clear();
    m_userFormerAnswers.clear();
    m_userFormerHitsCount.clear();
    m_userFormerBlowsCount.clear();
    m_macCurrentAnswer.reset();
    m_userCurrentAnswer.reset();
    m_macOwnNumbers.reset();
    m_userOwnNumbers.reset();
    m_candidatesArray.reset();
    m_expertPlayer.newMatch();
}

void HitBlowController::askMacNextAnswer()
{
    // Only a running match on the computer's turn takes a guess, and never from an empty list.
    if (!m_candidatesArray || m_candidatesArray->empty())
        return;
    const bool expert = m_prefWindowController && m_prefWindowController->strengthLevel() == ExpertPlayer::kStrengthLevel;
    const NumberSet guess = expert ? takeExpertAnswer() : m_numberComparer.choseNumbersIn(*m_candidatesArray);
    m_macCurrentAnswer = guess;
    m_macFormerAnswers.push_back(guess);
    m_restCandidatesCount = static_cast<int>(m_candidatesArray->size());
    setGameStatus(GameStatusCheckHitBlow);
}

void HitBlowController::recordAcceptedCounts()
{
    m_macFormerHitsCount.push_back(m_macCurrentHitsCount);
    m_macFormerBlowsCount.push_back(m_macCurrentBlowsCount);
    if (!m_candidatesArray || !m_macCurrentAnswer)
        return;
    const int level = m_prefWindowController ? m_prefWindowController->strengthLevel() : 1;
    m_numberComparer.removeCandidatesIn(*m_candidatesArray, *m_macCurrentAnswer, m_macCurrentHitsCount,
                                m_macCurrentBlowsCount, m_macFormerAnswers, m_macFormerHitsCount,
                                m_macFormerBlowsCount, level);
    // The expert counts only what every score so far allows, whatever pruned the list before.
    if (level == ExpertPlayer::kStrengthLevel && m_macCurrentHitsCount != 4)
        ExpertPlayer::keepConsistent(*m_candidatesArray, m_macFormerAnswers, m_macFormerHitsCount, m_macFormerBlowsCount);
    m_restCandidatesCount = static_cast<int>(m_candidatesArray->size());
}

// The expert's guess may be a number that can no longer be the secret; it leaves the list if it is
// in it, as a random pick does.
NumberSet HitBlowController::takeExpertAnswer()
{
    // Scores pruned at a lower strength may have left numbers that the expert does not count.
    ExpertPlayer::keepConsistent(*m_candidatesArray, m_macFormerAnswers, m_macFormerHitsCount, m_macFormerBlowsCount);
    const NumberSet guess = m_expertPlayer.nextAnswer(*m_candidatesArray, m_macFormerAnswers, m_macFormerHitsCount,
                                                      m_macFormerBlowsCount, m_services.random);
    std::erase(*m_candidatesArray, guess);
    return guess;
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
