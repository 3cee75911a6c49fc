#include "GameSettings.h"

#include "SettingsTable.h"

#include <QSettings>

namespace {
// Where each of the five lives in the struct.
template <typename Read>
GameSettings gather(Read read)
{
    return GameSettings{
        static_cast<int>(read(Setting::StrengthLevel)),
        static_cast<int>(read(Setting::CandidatesVisible)),
        static_cast<int>(read(Setting::SoundMode)),
        static_cast<int>(read(Setting::AutoCheck)),
        static_cast<float>(read(Setting::PlayingRhythm)),
    };
}
} // namespace

GameSettings GameSettings::defaults()
{
    return gather([](Setting setting) { return SettingsTable::declaration(setting).defaultValue; });
}

GameSettings GameSettings::loaded(const QSettings &defaults)
{
    return gather([&](Setting setting) { return SettingsTable::loaded(defaults, setting); });
}

void GameSettings::store(QSettings &defaults) const
{
    SettingsTable::store(defaults, Setting::StrengthLevel, strengthLevel);
    SettingsTable::store(defaults, Setting::CandidatesVisible, candidatesVisible);
    SettingsTable::store(defaults, Setting::SoundMode, soundMode);
    SettingsTable::store(defaults, Setting::AutoCheck, autoCheck);
    SettingsTable::store(defaults, Setting::PlayingRhythm, playingRhythm);
}
