#pragma once

class QSettings;

// The five settings of the preferences window, as the game reads them at each use. Their keys,
// defaults and checks are declared in SettingsTable.
struct GameSettings {
    int strengthLevel;
    int candidatesVisible;
    int soundMode;
    int autoCheck;
    float playingRhythm;

    // Every setting at its default.
    static GameSettings defaults();
    // Each setting as stored, or its default (see SettingsTable::loaded).
    static GameSettings loaded(const QSettings &defaults);
    // Writes all five; the caller synchronises the store.
    void store(QSettings &defaults) const;

    friend bool operator==(const GameSettings &, const GameSettings &) = default;
};
