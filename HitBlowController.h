// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "core/BoardDisplay.h"
#include "core/DailyRound.h"
#include "core/MatchPreferences.h"
#include "expert/Codebreaker.h"
#include "rules/MatchRules.h"
#include "match/SavedMatch.h"
#include "rules/Turn.h"

#include <QObject>

#include <optional>
#include <string_view>
#include <vector>

#include "platform/Services.h"

// The match: both secrets, both sides' guesses and scores, the computer's candidates, the status
// and the result. The board hands in what the user entered through the setters and then moves the
// match on with setGameStatus(); everything else happens here. It knows the board and the
// preferences only through the two small interfaces it is given, and needs no widgets.
class HitBlowController : public QObject
{
    Q_OBJECT

public:
    // The delayed call of the computer's first guess of a match, by the operation it runs.
    static constexpr std::string_view kAskMacNextAnswer = "askMacNextAnswer";

    // The controller's delayed calls die with it.
    explicit HitBlowController(const Services &services);

    void setGameBoardView(BoardDisplay *view);
    void setPrefWindowController(MatchPreferences *controller);

    // Once the references are connected: gives the board the keyboard, shows the title screen.
    void awakeFromNib();

    // Abandons any running match and starts a new one, waiting for the user's secret.
    void newGame();

    // Abandons any running match and starts puzzle: a solo match against its secret, on the user's
    // turn at once. Each guess is scored straight away; there is no user's secret and no Mac turn.
    void startDaily(const DailyRound &puzzle);
    // Shows puzzle as it ended, from its turns as stored: the board of the game's end without its
    // sound, the result already shown. Nothing is played, recorded or kept.
    void showFinishedDaily(const DailyRound &puzzle, const std::vector<Turn> &turns);
    // The daily puzzle being played, shown or decided; nothing in a match against Mac.
    const std::optional<DailyRound> &dailyRound() const { return m_daily; }
    // With hard mode on: the first earlier guess of the user's, with its score, that guess
    // contradicts; nothing when it fits them all or hard mode is off.
    std::optional<Turn> hardModeContradiction(const NumberSet &guess) const;

    // The running match (Mac's turn to the user's result) as it can be kept and gone on with later; nothing in any
    // other status. The strength is the current setting; the hinted mark is left unset.
    std::optional<SavedMatch> savedMatch() const;
    // Drops any match and goes on with match at the start of the turn it was in: what the board
    // had typed is dropped, the first guess's pause or the pause after a scored guess starts
    // again, and a guess Mac had made waits for its score again.
    void resumeMatch(const SavedMatch &match);

    // Stores the status and does the work of entering it. Values outside the title to the game's
    // end are only stored.
    void setGameStatus(int status);

    // The computer takes its guess from the candidates.
    void askMacNextAnswer();

    // The computer has found the user's secret: the user's next guess is the last of the match.
    bool userHasLastChance() const { return m_macCurrentHitsCount == kDigitCount; }
    // The rules and the computer's reasoning, for everyone who scores a guess.
    const NumberComparer &numberComparer() const { return m_numberComparer; }

    int gameStatus() const { return m_gameStatus; }
    int matchResult() const { return m_matchResult; }
    int restCandidatesCount() const { return m_restCandidatesCount; }
    const std::optional<NumberSet> &macOwnNumbers() const { return m_macOwnNumbers; }
    const std::vector<NumberSet> &macFormerAnswers() const { return m_mac.answers(); }
    const std::vector<int> &macFormerHitsCount() const { return m_mac.hits(); }
    const std::vector<int> &macFormerBlowsCount() const { return m_mac.blows(); }
    const std::optional<NumberSet> &macCurrentAnswer() const { return m_macCurrentAnswer; }
    int macCurrentHitsCount() const { return m_macCurrentHitsCount; }
    int macCurrentBlowsCount() const { return m_macCurrentBlowsCount; }
    const std::optional<CandidateList> &candidatesArray() const { return m_mac.candidates(); }
    const std::optional<NumberSet> &userOwnNumbers() const { return m_userOwnNumbers; }
    const std::vector<NumberSet> &userFormerAnswers() const { return m_userFormerAnswers; }
    const std::vector<int> &userFormerHitsCount() const { return m_userFormerHitsCount; }
    const std::vector<int> &userFormerBlowsCount() const { return m_userFormerBlowsCount; }
    const std::optional<NumberSet> &userCurrentAnswer() const { return m_userCurrentAnswer; }
    int userCurrentHitsCount() const { return m_userCurrentHitsCount; }
    int userCurrentBlowsCount() const { return m_userCurrentBlowsCount; }

    void setMacOwnNumbers(const NumberSet &numbers) { m_macOwnNumbers = numbers; }
    void setUserOwnNumbers(const NumberSet &numbers) { m_userOwnNumbers = numbers; }
    void setUserCurrentAnswer(const NumberSet &numbers) { m_userCurrentAnswer = numbers; }
    void setMacCurrentHitsCount(int count) { m_macCurrentHitsCount = count; }
    void setMacCurrentBlowsCount(int count) { m_macCurrentBlowsCount = count; }
    void setUserCurrentHitsCount(int count) { m_userCurrentHitsCount = count; }
    void setUserCurrentBlowsCount(int count) { m_userCurrentBlowsCount = count; }

signals:
    // At the end of every setGameStatus(), after the new status has done its work, and when a match
    // is resumed; a change made inside another (the user's result to the game's end) tells twice,
    // each time with the final status in place.
    void gameStatusChanged(int status);

private:
    void tellStatusChanged();
    void resumeDaily(const SavedMatch &match);
    void setUpPuzzle(const DailyRound &puzzle, const std::vector<Turn> &turns);
    bool hardModeOn() const;
    void dropMatch();
    void requestRedraw();
    double pauseSeconds() const;
    int strengthLevel() const;
    void recordAcceptedCounts();
    void scoreUserAnswer();

    Services m_services;
    NumberComparer m_numberComparer;
    // The computer's candidates, guesses and their scores; the expert in it keeps only the
    // relabelling of the running match.
    Codebreaker m_mac;

    BoardDisplay *m_gameBoardView = nullptr;
    MatchPreferences *m_prefWindowController = nullptr;
    std::optional<NumberSet> m_macOwnNumbers;
    std::optional<NumberSet> m_macCurrentAnswer;
    int m_macCurrentHitsCount = 0;
    int m_macCurrentBlowsCount = 0;
    int m_restCandidatesCount = 0;
    std::optional<NumberSet> m_userOwnNumbers;
    std::vector<NumberSet> m_userFormerAnswers;
    std::vector<int> m_userFormerHitsCount;
    std::vector<int> m_userFormerBlowsCount;
    std::optional<NumberSet> m_userCurrentAnswer;
    int m_userCurrentHitsCount = 0;
    int m_userCurrentBlowsCount = 0;
    std::optional<DailyRound> m_daily;
    int m_gameStatus = GameStatusTitle;
    int m_matchResult = MatchResultNone;
};
