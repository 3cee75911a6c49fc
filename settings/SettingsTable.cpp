// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsTable.h"

#include "rules/MatchRules.h"
#include "platform/UserDefaults.h"

#include <iterator>

namespace {
// The game pauses 1.0 / rhythm seconds; the preferences offer 0.25 to 4, and a rhythm outside
// them (a pause of minutes, or none at all) is none the game plays at. NaN fails both comparisons.
constexpr bool usableRhythm(double rhythm)
{
    return rhythm >= 0.25 && rhythm <= 4.0;
}

// A strength outside 0 to the strongest means none the game knows: it plays at the default one.
constexpr bool knownStrength(double level)
{
    return level >= 0 && level <= kStrongestLevel;
}

// A switch is stored as 0 or 1; anything else reads as its default.
constexpr bool isSwitch(double value)
{
    return value == 0 || value == 1;
}

using D = SettingDeclaration;
constexpr SettingDeclaration kSettings[] = {
    {Setting::StrengthLevel, "StrengthLevel", D::Integer, 1, knownStrength, D::AtOkAndQuit},
    {Setting::CandidatesVisible, "CandidatesVisible", D::Integer, 1, nullptr, D::AtOkAndQuit},
    {Setting::SoundMode, "SoundMode", D::Integer, 1, nullptr, D::AtOkAndQuit},
    {Setting::AutoCheck, "AutoCheck", D::Integer, 0, nullptr, D::AtOkAndQuit},
    {Setting::PlayingRhythm, "PlayingRhythm", D::Float, 1.0, usableRhythm, D::AtOkAndQuit},
    {Setting::ShowOwnCandidates, "ShowOwnCandidates", D::Integer, 0, isSwitch, D::AtOnce},
    {Setting::ConfirmAbandon, "ConfirmAbandon", D::Integer, 1, isSwitch, D::AtOnce},
    {Setting::HardMode, "HardMode", D::Integer, 0, isSwitch, D::AtOnce},
};

// declaration() finds each setting at the place its enum value gives.
constexpr bool inEnumOrder()
{
    for (int i = 0; i < int(std::size(kSettings)); ++i) {
        if (static_cast<int>(kSettings[i].setting) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder() && std::size(kSettings) == 8);
} // namespace

namespace SettingsTable {

const SettingDeclaration &declaration(Setting setting)
{
    return kSettings[static_cast<int>(setting)];
}

const SettingDeclaration *begin()
{
    return std::begin(kSettings);
}

const SettingDeclaration *end()
{
    return std::end(kSettings);
}

std::optional<double> usableStored(const QSettings &defaults, Setting setting)
{
    const SettingDeclaration &declared = declaration(setting);
    const QString key = QLatin1String(declared.key);
    const std::optional<double> stored = declared.kind == SettingDeclaration::Float
        ? std::optional<double>(storedFloat(defaults, key))
        : std::optional<double>(storedInt(defaults, key));
    if (!stored || (declared.usable && !declared.usable(*stored)))
        return std::nullopt;
    return stored;
}

double loaded(const QSettings &defaults, Setting setting)
{
    return usableStored(defaults, setting).value_or(declaration(setting).defaultValue);
}

void store(QSettings &defaults, Setting setting, double value)
{
    const SettingDeclaration &declared = declaration(setting);
    const QString key = QLatin1String(declared.key);
    if (declared.kind == SettingDeclaration::Float)
        setStoredFloat(defaults, key, static_cast<float>(value));
    else
        defaults.setValue(key, static_cast<int>(value));
}

} // namespace SettingsTable
