#pragma once

#include "match/SavedMatch.h"

#include <optional>

// Where the one match in progress is kept between runs of the game.
class SavedMatchStore
{
public:
    virtual ~SavedMatchStore() = default;

    // Keeps match in place of any kept before. A failure is reported by the store itself.
    virtual void save(const SavedMatch &match) = 0;
    // The match kept, or nothing when none is kept or it cannot be read.
    virtual std::optional<SavedMatch> load() = 0;
    // Forgets the match kept, if any.
    virtual void clear() = 0;
};
