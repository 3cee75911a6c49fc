// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerAidSettings.h"

#include "platform/UserDefaults.h"

void PlayerAidSettings::load()
{
    const auto defaults = openUserDefaults();
    m_showOwnCandidates = SettingsTable::loaded(*defaults, Setting::ShowOwnCandidates) != 0;
    m_confirmAbandon = SettingsTable::loaded(*defaults, Setting::ConfirmAbandon) != 0;
    m_hardMode = SettingsTable::loaded(*defaults, Setting::HardMode) != 0;
}

void PlayerAidSettings::setHardMode(bool hard)
{
    m_hardMode = hard;
    store(Setting::HardMode, hard);
}

void PlayerAidSettings::setShowOwnCandidates(bool show)
{
    m_showOwnCandidates = show;
    store(Setting::ShowOwnCandidates, show);
}

void PlayerAidSettings::setConfirmAbandon(bool confirm)
{
    m_confirmAbandon = confirm;
    store(Setting::ConfirmAbandon, confirm);
}

void PlayerAidSettings::store(Setting setting, bool value)
{
    const auto defaults = openUserDefaults();
    SettingsTable::store(*defaults, setting, value ? 1 : 0);
    // A failure to write is reported by the preferences at their next save; the value holds for
    // this run either way.
    synchronize(*defaults);
}
