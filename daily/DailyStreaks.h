// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The current and best daily streaks, worked out afresh from the puzzles solved, never kept as
// counters. A streak is a run of consecutive puzzle numbers solved, so it follows calendar dates:
// a skipped date breaks it, while a change of clock (summer time, travel) neither breaks it nor
// counts a date twice. Practice puzzles are not passed in.
struct DailyStreaks {
    int current = 0;
    int best = 0;

    // solved: the numbers of the puzzles solved on their own date, in any order, repeats allowed;
    // today: the puzzle of today's date. The current streak ends today, or yesterday while today's
    // puzzle is not solved yet.
    static DailyStreaks of(std::vector<int> solved, int today);
};
