// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/DailyStreaks.h"

#include <algorithm>

DailyStreaks DailyStreaks::of(std::vector<int> solved, int today)
{
    std::sort(solved.begin(), solved.end());
    solved.erase(std::unique(solved.begin(), solved.end()), solved.end());
    DailyStreaks streaks;
    int run = 0;
    for (std::size_t i = 0; i < solved.size(); ++i) {
        run = i > 0 && solved[i] == solved[i - 1] + 1 ? run + 1 : 1;
        streaks.best = std::max(streaks.best, run);
        if (solved[i] == today || solved[i] == today - 1)
            streaks.current = run;
    }
    return streaks;
}
