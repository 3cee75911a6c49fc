// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/StatisticsStore.h"

#include <QFileInfo>

// Forgets the match a test left running, which the next window would otherwise offer to resume
// (and New Game would ask about). Every test executable has its own data folder.
inline void forgetSavedMatch()
{
    if (!QFileInfo::exists(StatisticsStore::defaultPath()))
        return;
    StatisticsStore store(StatisticsStore::defaultPath());
    for (const StatisticsStore::KeptRow &kept : store.keptMatches([](const QString &) { return false; }))
        store.forgetKeptMatch(kept.text, kept.id);
}
