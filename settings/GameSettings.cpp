// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSettings.h"

#include "SettingsTable.h"

#include <QSettings>

#include <type_traits>

namespace {
// Hands use the field of settings that holds setting; nothing for a setting not among the five.
template <typename Settings, typename Use>
void withField(Settings &settings, Setting setting, Use use)
{
    switch (setting) {
    case Setting::StrengthLevel:
        return use(settings.strengthLevel);
    case Setting::CandidatesVisible:
        return use(settings.candidatesVisible);
    case Setting::SoundMode:
        return use(settings.soundMode);
    case Setting::AutoCheck:
        return use(settings.autoCheck);
    case Setting::PlayingRhythm:
        return use(settings.playingRhythm);
    default:
        return;
    }
}

template <typename Read>
GameSettings gather(Read read)
{
    GameSettings settings{};
    for (const Setting setting : GameSettings::kStored)
        settings.setValue(setting, read(setting));
    return settings;
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

double GameSettings::value(Setting setting) const
{
    double value = SettingsTable::declaration(setting).defaultValue;
    withField(*this, setting, [&value](const auto &field) { value = field; });
    return value;
}

void GameSettings::setValue(Setting setting, double value)
{
    withField(*this, setting, [value](auto &field) { field = static_cast<std::decay_t<decltype(field)>>(value); });
}

void GameSettings::store(QSettings &defaults) const
{
    for (const Setting setting : kStored)
        SettingsTable::store(defaults, setting, value(setting));
}

void GameSettings::storeChangedSince(QSettings &defaults, const GameSettings &asLoaded) const
{
    // Another game may have stored its own values since this one loaded them.
    defaults.sync();
    for (const Setting setting : kStored) {
        if (value(setting) != asLoaded.value(setting) || !SettingsTable::usableStored(defaults, setting))
            SettingsTable::store(defaults, setting, value(setting));
    }
}
