// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QSettings;

// The eight settings the game stores in the user's defaults, each declared once with its key, its
// default, the check a loaded value must pass, and when it is written.
// The window's own state ("NumberPadVisible", "NotepadVisible", "WindowGeometry") is not among
// them: the window that shows it keeps it, as it is left, with no default to choose or check.
enum class Setting {
    StrengthLevel,
    CandidatesVisible,
    SoundMode,
    AutoCheck,
    PlayingRhythm,
    ShowOwnCandidates,
    ConfirmAbandon,
    HardMode,
};

struct SettingDeclaration {
    enum Kind { Integer, Float };
    // The five of the preferences are written when the window is closed with OK and when the game
    // ends normally; the player's aids are written as soon as they change.
    enum StoredWhen { AtOkAndQuit, AtOnce };

    Setting setting;
    const char *key;
    Kind kind;
    double defaultValue;
    // None: every number is taken as it is. A value that fails gives the default.
    bool (*usable)(double value);
    StoredWhen storedWhen;
};

namespace SettingsTable {

// The declaration of setting.
const SettingDeclaration &declaration(Setting setting);
// All eight, in the order of the enum.
const SettingDeclaration *begin();
const SettingDeclaration *end();

// The stored value of setting, or nothing where none is stored, the stored one holds no number, or
// it fails its check.
std::optional<double> usableStored(const QSettings &defaults, Setting setting);
// The stored value of setting, or its default where none is stored, the stored one holds no
// number, or it fails its check. Integers are read cut towards zero, floats in single precision.
double loaded(const QSettings &defaults, Setting setting);
// Stores value as a plain number: an integer, or the shortest decimal that reads back as the same
// float.
void store(QSettings &defaults, Setting setting, double value);

} // namespace SettingsTable
