// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

struct OwnRecords;

// Where Game > Hint takes the guess it types for the user. It sees only what the user has seen:
// the user's own guesses and scores of the running match, never Mac's secret.
class HintStrategy
{
public:
    virtual ~HintStrategy() = default;

    // A guess of four distinct digits to suggest after these records.
    virtual NumberSet suggestedGuess(const OwnRecords &records) = 0;
};
