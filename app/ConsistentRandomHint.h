#pragma once

#include "HintStrategy.h"

class RandomSource;

// Suggests a random number that agrees with every score the user has seen, so a hinted guess is
// never wasted on a number already ruled out.
class ConsistentRandomHint final : public HintStrategy
{
public:
    explicit ConsistentRandomHint(RandomSource &random);

    NumberSet suggestedGuess(const OwnRecords &records) override;

private:
    RandomSource &m_random;
};
