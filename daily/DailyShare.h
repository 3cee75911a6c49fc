// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Turn.h"

#include <QString>

#include <vector>

// The text a player shares after a daily puzzle, which gives no digit away:
//   Hit & Blow #N 4/10*
// then a line a guess, with ● for each hit, ○ for each blow and · for each digit that is neither.
// The count is "X" when the puzzle was not solved; "*" marks hard mode.
namespace DailyShare {

QString text(int puzzle, const std::vector<Turn> &turns, bool solved, bool hardMode, int mostGuesses);

} // namespace DailyShare
