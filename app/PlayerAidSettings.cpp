#include "PlayerAidSettings.h"

#include "platform/UserDefaults.h"

namespace {
constexpr const char *kShowOwnCandidatesKey = "ShowOwnCandidates";
constexpr const char *kConfirmAbandonKey = "ConfirmAbandon";

bool storedSwitch(const QSettings &defaults, const char *key, bool fallback)
{
    const std::optional<int> stored = storedInt(defaults, QLatin1String(key));
    if (stored == 0 || stored == 1)
        return *stored == 1;
    return fallback;
}
} // namespace

void PlayerAidSettings::load()
{
    const auto defaults = openUserDefaults();
    m_showOwnCandidates = storedSwitch(*defaults, kShowOwnCandidatesKey, false);
    m_confirmAbandon = storedSwitch(*defaults, kConfirmAbandonKey, true);
}

void PlayerAidSettings::setShowOwnCandidates(bool show)
{
    m_showOwnCandidates = show;
    store(kShowOwnCandidatesKey, show);
}

void PlayerAidSettings::setConfirmAbandon(bool confirm)
{
    m_confirmAbandon = confirm;
    store(kConfirmAbandonKey, confirm);
}

void PlayerAidSettings::store(const char *key, bool value)
{
    const auto defaults = openUserDefaults();
    defaults->setValue(QLatin1String(key), value ? 1 : 0);
    // A failure to write is reported by the preferences at their next save; the value holds for
    // this run either way.
    synchronize(*defaults);
}
