// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsTable.h"

class QSettings;

// The five settings of the preferences window, as the game reads them at each use. Their keys,
// defaults and checks are declared in SettingsTable.
struct GameSettings {
    int strengthLevel;
    int candidatesVisible;
    int soundMode;
    int autoCheck;
    float playingRhythm;

    // Whether the game plays its sounds and beeps.
    bool soundOn() const { return soundMode == 1; }
    // The length of the match's pauses: before the computer's first guess and after a scored guess.
    double pauseSeconds() const { return 1.0 / static_cast<double>(playingRhythm); }

    // Every setting at its default.
    static GameSettings defaults();
    // Each setting as stored, or its default (see SettingsTable::loaded).
    static GameSettings loaded(const QSettings &defaults);
    // Writes all five; the caller synchronises the store.
    void store(QSettings &defaults) const;
    // Writes those of the five that differ from asLoaded (the values this game last loaded or
    // stored) and those the store holds no usable value for, after reading the store afresh; a
    // value another game stored meanwhile stays where this game changed nothing. The caller
    // synchronises the store.
    void storeChangedSince(QSettings &defaults, const GameSettings &asLoaded) const;

    // The value of one of the five, widened to double.
    double value(Setting setting) const;
    // Sets one of the five, cut to its type.
    void setValue(Setting setting, double value);

    static constexpr Setting kStored[] = {Setting::StrengthLevel, Setting::CandidatesVisible, Setting::SoundMode,
                                          Setting::AutoCheck, Setting::PlayingRhythm};

    friend bool operator==(const GameSettings &, const GameSettings &) = default;
};
