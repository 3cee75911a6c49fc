// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "rules/MatchRules.h"

#include <vector>

// What the user types on the board, without widgets: the guess on the user's turn and the counts
// of Mac's guess, the typing cursor, and the checks each must pass before the match takes it. The
// board turns keys into these calls and draws the result.
class BoardEntry
{
public:
    // An entry left blank: it shows nothing and counts as 0.
    static constexpr int kBlank = -1;
    static constexpr int kCountsLength = 2;

    // How many entries a status types: a guess on the user's turn, two counts while Mac's guess is
    // checked, nothing otherwise.
    static int lengthFor(GameStatus status);
    static bool types(GameStatus status) { return lengthFor(status) > 0; }

    // Both lists emptied, the cursor on the first place.
    void clear();
    void clearGuess();
    void clearCounts();

    // Each does nothing where status types nothing. A digit goes at the cursor: over an entry, or
    // after blank entries that fill any gap; the cursor then moves on but stops at the last place.
    void type(GameStatus status, int digit);
    // Removes the entry under the cursor; at or beyond the end it erases backwards.
    void deleteAtCursor(GameStatus status);
    // Moves the cursor one place (step -1 or 1), wrapping round the length typed.
    void moveCursor(GameStatus status, int step);
    // The counts standing typed, the cursor back on the first place.
    void setCounts(const HitBlowResult &counts);

    const std::vector<int> &guess() const { return m_guess; }
    const std::vector<int> &counts() const { return m_counts; }
    int cursor() const { return m_cursor; }

    // Pads the guess with blanks to four places (a digit not typed counts as 0) and gives it with the
    // first digit it repeats, or -1 when its digits are all different and it may be played; then
    // the guess stays shown and the cursor goes back to the first place.
    struct GuessCheck {
        NumberSet guess;
        int repeatedDigit;
        bool accepted() const { return repeatedDigit < 0; }
    };
    GuessCheck checkGuess();
    // The counts padded with blanks to two places, and whether they are the true ones.
    struct CountsCheck {
        HitBlowResult typed;
        bool matchesTruth;
    };
    CountsCheck checkCounts(const HitBlowResult &truth);

private:
    std::vector<int> *entriesFor(GameStatus status);

    std::vector<int> m_guess;
    std::vector<int> m_counts;
    int m_cursor = 0;
};
