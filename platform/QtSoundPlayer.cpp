// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSoundPlayer.h"

#include "GameModule.h"
#include "SoundEffects.h"

#include <QApplication>
#include <QtDebug>

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
{
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    QString error;
    const auto create = reinterpret_cast<CreateSoundEffects *>(
        GameModule::resolve(QStringLiteral("hitblow-sound"), kCreateSoundEffectsSymbol, &error));
    if (!create) {
        qWarning("QtSoundPlayer: no sound module, the game stays silent:%s", qUtf8Printable(error));
        return;
    }
    m_effects.reset(create());
}

void QtSoundPlayer::play(const QString &name)
{
    if (m_effects)
        m_effects->play(name);
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
