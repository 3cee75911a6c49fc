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

// The rules of the board's input: choosing the secret, typing, checking and handing over what was
// typed. Qt's events reach them through GameBoardView.cpp.

namespace {
constexpr double kOKPressSeconds = 0.05;

using namespace GameBoardLayout;

constexpr int kGuessLength = 4;
constexpr int kCountsLength = 2;

const char *const kAnswerAgainstRule = QT_TRANSLATE_NOOP("HitBlow", "Your answer is against the rule");
const char *const kDecisionWrong = QT_TRANSLATE_NOOP("HitBlow", "Your decision is wrong");

// How many entries a status types, 0 where nothing is typed.
int typingLengthFor(int status)
{
    switch (status) {
    case GameStatusUserTurn:
        return kGuessLength;
    case GameStatusCheckHitBlow:
        return kCountsLength;
    default:
        return 0;
    }
}

// Places entry at the cursor: overwriting, or appending after blank entries that fill any gap.
// The cursor then moves on, but stops at the last position.
void placeAtCursor(std::vector<StyledText> &entries, int &cursor, int length, const StyledText &entry)
{
    const int count = static_cast<int>(entries.size());
    if (cursor < count) {
        entries[cursor] = entry;
    } else if (count < length) {
        entries.resize(cursor, StyledText{QString(), entry.style});
        entries.push_back(entry);
    }
    if (cursor < length - 1)
        ++cursor;
}

// Removes the entry under the cursor; at or beyond the end it erases backwards.
void deleteAtCursor(std::vector<StyledText> &entries, int &cursor)
{
    const int count = static_cast<int>(entries.size());
    if (count == 0) {
        cursor = 0;
    } else if (cursor < count) {
        entries.erase(entries.begin() + cursor);
    } else {
        entries.pop_back();
        cursor = count - 1;
    }
}

// Moves the cursor one place, wrapping round the length of the list being typed.
int movedCursor(int cursor, int step, int length)
{
    if (step < 0)
        return cursor <= 0 ? length - 1 : cursor - 1;
    return cursor >= length - 1 ? 0 : cursor + 1;
}

NumberSet valuesOf(const std::vector<StyledText> &entries)
{
    NumberSet values{};
    for (std::size_t i = 0; i < values.size() && i < entries.size(); ++i)
        values[i] = entries[i].value();
    return values;
}

bool allDistinct(const NumberSet &numbers)
{
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        for (std::size_t j = i + 1; j < numbers.size(); ++j) {
            if (numbers[i] == numbers[j])
                return false;
        }
    }
    return true;
}

// The first digit that stands twice in numbers, or -1.
int repeatedDigit(const NumberSet &numbers)
{
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        if (std::find(numbers.begin(), numbers.begin() + i, numbers[i]) != numbers.begin() + i)
            return numbers[i];
    }
    return -1;
}

// "0 1 2 3": the digits as a screen reader reads them one by one.
QString spacedDigits(const NumberSet &numbers)
{
    QString text;
    for (int digit : numbers)
        text += QString::number(digit) + QLatin1Char(' ');
    return text.trimmed();
}

void padWithBlanks(std::vector<StyledText> &entries, std::size_t length, const TextStyle &style)
{
    if (entries.size() < length)
        entries.resize(length, StyledText{QString(), style});
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

std::vector<StyledText> *GameBoardView::typedEntriesFor(int status)
{
    switch (status) {
    case GameStatusUserTurn:
        return &m_currentUserAnswer;
    case GameStatusCheckHitBlow:
        return &m_currenMacHitBlow;
    default:
        return nullptr;
    }
}

void GameBoardView::typeDigit(int status, const QString &digitText)
{
    m_fontStyle.fontSize = status == GameStatusUserTurn ? kGuessFontSize : kCountsFontSize;
    placeAtCursor(*typedEntriesFor(status), m_typingIndex, typingLengthFor(status),
                  StyledText{digitText, m_fontStyle});
    playInputSound("gasa");
    setNeedsDisplay();
}

void GameBoardView::typeUserAnswer(const NumberSet &digits)
{
    if (!inputConnected() || m_hitBlowController->gameStatus() != GameStatusUserTurn)
        return;
    m_currentUserAnswer.clear();
    m_typingIndex = 0;
    for (int digit : digits)
        typeDigit(GameStatusUserTurn, QString::number(digit));
}

void GameBoardView::keyDown(const QString &characters, const QString &charactersIgnoringModifiers)
{
    // A key without text (a modifier on its own) does nothing, and does not stand between two OKs.
    if (!inputConnected() || (characters.isEmpty() && charactersIgnoringModifiers.isEmpty()))
        return;
    const char16_t key = charactersIgnoringModifiers.isEmpty() ? 0 : charactersIgnoringModifiers.front().unicode();
    const bool okKey = key == kReturnKey || key == kEnterKey || key == kLineFeedKey;
    if (heldForPendingOK(okKey, [this, characters, charactersIgnoringModifiers] {
            keyDown(characters, charactersIgnoringModifiers);
        }))
        return;
    const int status = m_hitBlowController->gameStatus();
    if (status == GameStatusTitle || status == GameStatusResultShown)
        return;

    if (key != 0) {
        std::vector<StyledText> *typed = typedEntriesFor(status);
        if (okKey) {
            if (status != GameStatusUserResult) {
                m_okBtnStatus = 1;
                m_okKeyPending = true;
                // A press acts on the status it was made in. Once an earlier press has moved the
                // match on, it only comes up: a quick second Return on the counts must not refuse
                // a guess that was never typed.
                m_services.scheduler.performAfterDelay(this, kUpOKBtn, kOKPressSeconds, [this, status] {
                    m_okKeyPending = false;
                    if (m_hitBlowController->gameStatus() == status) {
                        upOKBtn();
                    } else {
                        m_okBtnStatus = 0;
                        setNeedsDisplay();
                    }
                    deliverHeldInput(m_hitBlowController->gameStatus() != status);
                });
            }
        } else if (key == kDeleteKey && typed) {
            deleteAtCursor(*typed, m_typingIndex);
        } else if (key == kDeleteKey && status == GameStatusChooseNumbers) {
            const auto chosen = std::find(m_userNumbers.begin(), m_userNumbers.end(), -1) - m_userNumbers.begin();
            returnChoice(int(chosen) - 1);
        } else if ((key == kLeftArrowKey || key == kRightArrowKey) && typed) {
            m_typingIndex = movedCursor(m_typingIndex, key == kLeftArrowKey ? -1 : 1, typingLengthFor(status));
        }
        setNeedsDisplay();
    }

    if (characters.size() != 1 || characters.front() < u'0' || characters.front() > u'9')
        return;
    switch (status) {
    case GameStatusChooseNumbers: {
        const int digit = characters.front().unicode() - u'0';
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
        typeDigit(status, characters);
        break;
    default:
        break;
    }
}

void GameBoardView::mouseDown(QPointF boardPoint)
{
    if (!inputConnected() || heldForPendingOK(kOKButtonHitArea.holds(boardPoint), [this, boardPoint] { mouseDown(boardPoint); }))
        return;
    const int status = m_hitBlowController->gameStatus();
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
    if (!inputConnected() || heldForPendingOK(false, [this, boardPoint] { mouseUp(boardPoint); }))
        return;
    const int status = m_hitBlowController->gameStatus();
    if (status == GameStatusChooseNumbers) {
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
    const int status = m_hitBlowController->gameStatus();
    // Of several pending calls of the pause only the first has an effect.
    m_services.scheduler.cancelPrevious(this, kDidOK);
    switch (status) {
    case GameStatusUserTurn:
        checkUserAnswer();
        break;
    case GameStatusUserResult:
        m_currentUserAnswer.clear();
        m_typingIndex = 0;
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
    // Missing digits count as 0 and stay in the list as blank entries the user can overwrite.
    padWithBlanks(m_currentUserAnswer, kGuessLength, m_fontStyle);
    const NumberSet answer = valuesOf(m_currentUserAnswer);
    if (!allDistinct(answer)) {
        refuse(kAnswerAgainstRule, tr("A guess is four different digits; %1 repeats %2. A digit not typed counts as 0.")
                                       .arg(spacedDigits(answer))
                                       .arg(repeatedDigit(answer)));
        return;
    }
    m_hitBlowController->setUserCurrentAnswer(answer);
    m_typingIndex = 0;
    m_hitBlowController->setGameStatus(GameStatusUserResult);
}

void GameBoardView::checkMacHitBlow()
{
    const auto &secret = m_hitBlowController->userOwnNumbers();
    const auto &macAnswer = m_hitBlowController->macCurrentAnswer();
    if (!secret || !macAnswer)
        return;
    const HitBlowResult truth = m_hitBlowController->numberComparer().checkHitsBlowsIn(*secret, *macAnswer);

    padWithBlanks(m_currenMacHitBlow, kCountsLength, m_fontStyle);
    const bool typedTruth = m_currenMacHitBlow[0].value() == truth.hits && m_currenMacHitBlow[1].value() == truth.blows;
    if (!typedTruth && m_prefWindowController->autoCheck() == 0) {
        refuse(kDecisionWrong, tr("You typed hits: %1, blows: %2, for Mac's guess %3. Your number is %4.")
                                   .arg(m_currenMacHitBlow[0].value())
                                   .arg(m_currenMacHitBlow[1].value())
                                   .arg(spacedDigits(*macAnswer), spacedDigits(*secret)));
        return;
    }
    // The computer always learns the true counts, whatever was typed.
    m_hitBlowController->setMacCurrentHitsCount(truth.hits);
    m_hitBlowController->setMacCurrentBlowsCount(truth.blows);
    m_currenMacHitBlow.clear();
    m_typingIndex = 0;
    m_hitBlowController->setGameStatus(GameStatusUserTurn);
}

void GameBoardView::refuse(const char *messageKey, const QString &details)
{
    if (m_prefWindowController->soundOn())
        m_services.sounds.beep();
    m_services.alert.runModal(localizedString(messageKey), details);
}
