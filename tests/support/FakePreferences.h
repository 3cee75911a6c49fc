// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MatchPreferences.h"
#include "platform/UserDefaults.h"

#include <QSettings>

// The preferences as the match reads them, without the window: loaded from the stored defaults as
// the preferences window loads them, or set directly.
struct FakePreferences final : MatchPreferences {
    GameSettings settings = GameSettings::defaults();
    bool hard = false;

    const GameSettings &gameSettings() const override { return settings; }
    bool hardMode() const override { return hard; }
    void awakeFromNib() { settings = GameSettings::loaded(*openUserDefaults()); }
};
