#pragma once

#include "SoundPlayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// Plays the WAV files under the resource folder ":/sounds", each loaded once at construction so
// that it starts without delay.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);

    void play(const QString &name) override;
    void beep() override;

private:
    QHash<QString, QSoundEffect *> m_effects;
};
