// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

// One guess of a match with the score it got.
struct Turn {
    NumberSet guess{};
    HitBlowResult score;

    friend bool operator==(const Turn &a, const Turn &b)
    {
        return a.guess == b.guess && a.score.hits == b.score.hits && a.score.blows == b.score.blows;
    }
};
