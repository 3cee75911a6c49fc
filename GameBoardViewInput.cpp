// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"

#include "GameBoardLayout.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Alert.h"
#include "platform/Localization.h"
#include "platform/Scheduler.h"
#include "platform/SoundPlayer.h"

#include <algorithm>
#include <utility>

// The board's input: choosing the secret, and turning keys and clicks into what BoardEntry types
// and checks, then handing it over. Qt's events reach them through GameBoardView.cpp.

namespace {
constexpr double kOKPressSeconds = 0.05;

using namespace GameBoardLayout;

const char *const kAnswerAgainstRule = QT_TRANSLATE_NOOP("HitBlow", "Your answer is against the rule");
const char *const kDecisionWrong = QT_TRANSLATE_NOOP("HitBlow", "Your decision is wrong");
const char *const kAgainstHardMode = QT_TRANSLATE_NOOP("HitBlow", "Your guess does not fit the scores so far");

// "0 1 2 3": the digits as a screen reader reads them one by one.
QString spacedDigits(const NumberSet &numbers)
{
    QString text;
    for (int digit : numbers)
        text += QString::number(digit) + QLatin1Char(' ');
    return text.trimmed();
}

} // namespace

bool GameBoardView::inputConnected() const
{
    return m_hitBlowController && m_prefWindowController;
}

void GameBoardView::playInputSound(const char *name)
{
    if (m_prefWindowController->soundOn())
        m_services.sounds.play(QString::fromLatin1(name));
}

int GameBoardView::availableChoiceAt(QPointF boardPoint) const
{
    for (int digit = 0; digit < 10; ++digit) {
        if (m_restChoices[digit] == digit && choiceHitArea(m_choiceOrigins[digit]).holds(boardPoint))
            return digit;
    }
    return -1;
}

void GameBoardView::takeChoice(int digit)
{
    const auto emptySlot = std::find(m_userNumbers.begin(), m_userNumbers.end(), -1);
    if (emptySlot == m_userNumbers.end())
        return;
    *emptySlot = digit;
    m_restChoices[digit] = -1;
}

void GameBoardView::handOverSecretIfComplete()
{
    if (m_userNumbers.back() == -1)
        return;
    m_hitBlowController->setUserOwnNumbers(m_userNumbers);
    m_hitBlowController->setGameStatus(GameStatusMacTurn);
}

void GameBoardView::typeDigit(GameStatus status, int digit)
{
    m_fontStyle.fontSize = status == GameStatusUserTurn ? kGuessFontSize : kCountsFontSize;
    m_entry.type(status, digit);
    playInputSound("gasa");
    setNeedsDisplay();
}

void GameBoardView::typeUserAnswer(const NumberSet &digits)
{
    if (!inputConnected() || m_hitBlowController->gameStatus() != GameStatusUserTurn)
        return;
    m_entry.clearGuess();
    for (int digit : digits)
        typeDigit(GameStatusUserTurn, digit);
}

void GameBoardView::showLastGuess(const NumberSet &guess)
{
    m_entry.clearGuess();
    m_fontStyle.fontSize = kGuessFontSize;
    for (int digit : guess)
        m_entry.type(GameStatusUserTurn, digit);
}

void GameBoardView::keyDown(const QString &characters, const QString &charactersIgnoringModifiers)
{
    // A key without text (a modifier on its own) does nothing, and does not stand between two OKs.
    if (!inputConnected() || (characters.isEmpty() && charactersIgnoringModifiers.isEmpty()))
        return;
    const char16_t key = charactersIgnoringModifiers.isEmpty() ? 0 : charactersIgnoringModifiers.front().unicode();
    const bool okKey = key == kReturnKey || key == kEnterKey || key == kLineFeedKey;
    if (m_heldInput.hold(okKey, [this, characters, charactersIgnoringModifiers] {
            keyDown(characters, charactersIgnoringModifiers);
        }))
        return;
    const GameStatus status = gameStatusOf(m_hitBlowController->gameStatus());
    if (status == GameStatusTitle && (okKey || key == u' '))
        emit newGameRequested();
    if (status == GameStatusTitle || status == GameStatusResultShown)
        return;

    if (key != 0) {
        const bool typed = BoardEntry::types(status);
        if (okKey) {
            if (status != GameStatusUserResult) {
                m_okBtnStatus = 1;
                m_heldInput.okPressed();
                // A press acts on the status it was made in. Once an earlier press has moved the
                // match on, it only comes up: a quick second Return on the counts must not refuse
                // a guess that was never typed.
                m_services.scheduler.performAfterDelay(this, kUpOKBtn, kOKPressSeconds, [this, status] {
                    m_heldInput.okReleased();
                    if (m_hitBlowController->gameStatus() == status) {
                        upOKBtn();
                    } else {
                        m_okBtnStatus = 0;
                        setNeedsDisplay();
                    }
                    m_heldInput.deliver(m_hitBlowController->gameStatus() != status);
                });
            }
        } else if (key == kDeleteKey && typed) {
            m_entry.deleteAtCursor(status);
        } else if (key == kDeleteKey && status == GameStatusChooseNumbers) {
            const auto chosen = std::find(m_userNumbers.begin(), m_userNumbers.end(), -1) - m_userNumbers.begin();
            returnChoice(int(chosen) - 1);
        } else if ((key == kLeftArrowKey || key == kRightArrowKey) && typed) {
            m_entry.moveCursor(status, key == kLeftArrowKey ? -1 : 1);
            emit typingPlaceMoved();
        }
        setNeedsDisplay();
    }

    if (characters.size() != 1 || characters.front() < u'0' || characters.front() > u'9')
        return;
    const int digit = characters.front().unicode() - u'0';
    switch (status) {
    case GameStatusChooseNumbers: {
        if (m_restChoices[digit] != digit)
            return;
        takeChoice(digit);
        playInputSound("gashu");
        setNeedsDisplay();
        handOverSecretIfComplete();
        break;
    }
    case GameStatusUserTurn:
    case GameStatusCheckHitBlow:
        typeDigit(status, digit);
        break;
    default:
        break;
    }
}

void GameBoardView::mouseDown(QPointF boardPoint)
{
    if (!inputConnected() || m_heldInput.hold(kOKButtonHitArea.holds(boardPoint), [this, boardPoint] { mouseDown(boardPoint); }))
        return;
    const GameStatus status = gameStatusOf(m_hitBlowController->gameStatus());
    if (status == GameStatusChooseNumbers) {
        // Only a press on an available piece lets the release take one, and only a press on a
        // chosen piece lets the release on that same piece return it.
        m_pressedChosenPlace = chosenPlaceAt(boardPoint);
        m_choseNumberStatus = availableChoiceAt(boardPoint) >= 0 ? 1 : 0;
    } else if (status >= GameStatusMacTurn && status <= GameStatusGameOver) {
        if (kOKButtonHitArea.holds(boardPoint)) {
            m_okBtnStatus = 1;
            setNeedsDisplay();
        }
    }
}

void GameBoardView::mouseUp(QPointF boardPoint)
{
    if (!inputConnected() || m_heldInput.hold(false, [this, boardPoint] { mouseUp(boardPoint); }))
        return;
    const GameStatus status = gameStatusOf(m_hitBlowController->gameStatus());
    if (status == GameStatusTitle) {
        emit newGameRequested();
    } else if (status == GameStatusChooseNumbers) {
        const int pressedPlace = std::exchange(m_pressedChosenPlace, -1);
        if (pressedPlace >= 0 && chosenPlaceAt(boardPoint) == pressedPlace) {
            returnChoice(pressedPlace);
            return;
        }
        if (m_choseNumberStatus != 1)
            return;
        m_choseNumberStatus = 0;
        // The piece under the release is taken, whichever piece the press was on.
        const int digit = availableChoiceAt(boardPoint);
        if (digit >= 0)
            takeChoice(digit);
        setNeedsDisplay();
        playInputSound("gashu");
        handOverSecretIfComplete();
    } else if (status >= GameStatusMacTurn && status <= GameStatusGameOver) {
        if (m_okBtnStatus != 1)
            return;
        m_okBtnStatus = 0;
        setNeedsDisplay();
        // In the pause after a scored guess only the board's own delayed call moves the match on.
        if (kOKButtonHitArea.holds(boardPoint) && status != GameStatusUserResult)
            didOK();
    }
}

void GameBoardView::upOKBtn()
{
    m_okBtnStatus = 0;
    setNeedsDisplay();
    didOK();
}

void GameBoardView::didOK()
{
    if (!inputConnected())
        return;
    const GameStatus status = gameStatusOf(m_hitBlowController->gameStatus());
    // Of several pending calls of the pause only the first has an effect.
    m_services.scheduler.cancelPrevious(this, kDidOK);
    switch (status) {
    case GameStatusUserTurn:
        checkUserAnswer();
        break;
    case GameStatusUserResult:
        m_entry.clearGuess();
        m_hitBlowController->setGameStatus(GameStatusMacTurn);
        break;
    case GameStatusCheckHitBlow:
        checkMacHitBlow();
        break;
    default:
        break;
    }
}

void GameBoardView::checkUserAnswer()
{
    const BoardEntry::GuessCheck check = m_entry.checkGuess();
    if (!check.accepted()) {
        refuse(kAnswerAgainstRule, tr("A guess is four different digits; %1 repeats %2. A digit not typed counts as 0.")
                                       .arg(spacedDigits(check.guess))
                                       .arg(check.repeatedDigit));
        return;
    }
    if (const std::optional<Turn> clash = m_hitBlowController->hardModeContradiction(check.guess)) {
        const HitBlowResult would = m_hitBlowController->numberComparer().checkHitsBlowsIn(check.guess, clash->guess);
        refuse(kAgainstHardMode, tr("Hard mode: %1 scored hits: %2, blows: %3, but were the number %4 it would have "
                                    "scored hits: %5, blows: %6.")
                                     .arg(spacedDigits(clash->guess))
                                     .arg(clash->score.hits)
                                     .arg(clash->score.blows)
                                     .arg(spacedDigits(check.guess))
                                     .arg(would.hits)
                                     .arg(would.blows));
        return;
    }
    m_hitBlowController->setUserCurrentAnswer(check.guess);
    m_hitBlowController->setGameStatus(GameStatusUserResult);
}

void GameBoardView::checkMacHitBlow()
{
    const auto &secret = m_hitBlowController->userOwnNumbers();
    const auto &macAnswer = m_hitBlowController->macCurrentAnswer();
    if (!secret || !macAnswer)
        return;
    const HitBlowResult truth = m_hitBlowController->numberComparer().checkHitsBlowsIn(*secret, *macAnswer);
    const BoardEntry::CountsCheck check = m_entry.checkCounts(truth);
    if (!check.matchesTruth && m_prefWindowController->autoCheck() == 0) {
        refuse(kDecisionWrong, tr("You typed hits: %1, blows: %2, for Mac's guess %3. Your number is %4.")
                                   .arg(check.typed.hits)
                                   .arg(check.typed.blows)
                                   .arg(spacedDigits(*macAnswer), spacedDigits(*secret)));
        return;
    }
    // The computer always learns the true counts, whatever was typed.
    m_hitBlowController->setMacCurrentHitsCount(truth.hits);
    m_hitBlowController->setMacCurrentBlowsCount(truth.blows);
    m_entry.clearCounts();
    m_hitBlowController->setGameStatus(GameStatusUserTurn);
}

void GameBoardView::refuse(const char *messageKey, const QString &details)
{
    if (m_prefWindowController->soundOn())
        m_services.sounds.beep();
    m_services.alert.runModal(localizedString(messageKey), details);
}
