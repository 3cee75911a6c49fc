// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "expert/Relabelling.h"
#include "rules/MatchRules.h"
#include "rules/Turn.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// A match in progress as it is kept between runs of the game: everything needed to go on at the
// start of the turn it was in. Plain data, with a versioned JSON text form.
struct SavedMatch {
    // The form written. Version 1 held Mac's candidates in place of the strengths of its moves; it
    // is still read. A text of another version is refused.
    static constexpr int kVersion = 2;

    // The turn it was in: GameStatusMacTurn to GameStatusUserResult.
    GameStatus status = GameStatusTitle;
    // The strength the match was played at when saved.
    int strength = 1;
    NumberSet macOwnNumbers{};
    NumberSet userOwnNumbers{};
    // Each side's guesses with the scores they got, oldest first.
    std::vector<Turn> macTurns;
    std::vector<Turn> userTurns;
    // Mac's latest guess while its counts are checked (GameStatusCheckHitBlow): it has no score yet.
    std::optional<NumberSet> macUnscoredGuess;
    // The strength of each of Mac's guesses and scores, in the order taken (guess, score, guess,
    // ...): with Mac's turns they rebuild its candidates (Codebreaker::replay()).
    std::vector<int> macLevels;
    // Mac's candidates in their order, only where the strengths are not known: a match kept by
    // version 1, and the same match kept again after it was resumed.
    std::optional<CandidateList> candidates;
    // The Expert's renaming of digits and places for this match, once it has drawn one.
    std::optional<Relabelling> relabelling;
    // The user asked for a hint during this match.
    bool hinted = false;
    // A daily puzzle's number (its secret is macOwnNumbers), or 0 for a match against Mac. A daily
    // puzzle has no user's secret, no Mac guesses and no candidates, and waits only on the user's
    // turn or the pause after a guess.
    int dailyPuzzle = 0;
    bool dailyPractice = false;
    // Every guess of the daily puzzle so far was made in hard mode.
    bool dailyHardMode = false;
    // The player's notepad page for this match, as the notepad writes it; empty for a blank page.
    // Notes the notepad cannot read back are dropped, never the match.
    QString notes;

    QByteArray toJson() const;
    // The match the text holds, or nothing with the reason in error when the text is not a match
    // this game could go on with (another version, a missing or odd field, scores that are not the
    // true ones, lists that do not fit together).
    static std::optional<SavedMatch> fromJson(const QByteArray &text, QString *error = nullptr);

    friend bool operator==(const SavedMatch &, const SavedMatch &) = default;
};
