#pragma once

#include "match/SavedMatchFile.h"
#include "match/SavedMatchStore.h"
#include "match/StatisticsFile.h"

#include <QFile>

#include <optional>

// Forgets the match a test left running, which the next window would otherwise offer to resume
// (and New Game would ask about). Every test executable has its own data folder.
inline void forgetSavedMatch()
{
    QFile::remove(SavedMatchFile::besideStatistics(StatisticsFile::defaultPath()));
}

// Keeps the match in memory and counts what it was asked.
class FakeSavedMatchStore final : public SavedMatchStore
{
public:
    explicit FakeSavedMatchStore(std::optional<SavedMatch> kept = std::nullopt)
        : kept(std::move(kept))
    {
    }
    void save(const SavedMatch &match) override
    {
        kept = match;
        ++saves;
    }
    std::optional<SavedMatch> load() override { return kept; }
    void clear() override
    {
        kept.reset();
        ++clears;
    }

    std::optional<SavedMatch> kept;
    int saves = 0;
    int clears = 0;
};
