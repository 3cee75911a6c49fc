// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundPlayer.h"

#include <QObject>

#include <memory>

class SoundEffects;

// Plays the WAV files under the resource folder ":/sounds" through the "hitblow-sound" module,
// each loaded once by load() so that it starts without delay. Until then, without the module and
// without an audio device, nothing plays.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    // Loads the module, which connects to the audio back-end and loads every sound; again, it
    // does nothing. It takes milliseconds, so the game calls it once its window is on the screen.
    void load();

    void play(const QString &name) override;
    void beep() override;

private:
    std::unique_ptr<SoundEffects> m_effects;
    bool m_loaded = false;
};
