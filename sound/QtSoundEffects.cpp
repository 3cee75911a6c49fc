// SPDX-License-Identifier: GPL-3.0-or-later
// The "hitblow-sound" module: the game's sound effects through Qt Multimedia.
#include "platform/SoundEffects.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtSoundEffects final : public SoundEffects
{
public:
    QtSoundEffects()
    {
        // Without an audio device every effect would only print warnings; stay silent instead.
        if (QMediaDevices::audioOutputs().isEmpty())
            return;
        const QFileInfoList files =
            QDir(QStringLiteral(":/sounds")).entryInfoList({QStringLiteral("*.wav")}, QDir::Files);
        for (const QFileInfo &file : files) {
            auto *effect = new QSoundEffect(&m_owner);
            effect->setSource(QUrl(QStringLiteral("qrc") + file.absoluteFilePath()));
            m_effects.insert(file.completeBaseName(), effect);
        }
    }

    void play(const QString &name) override
    {
        QSoundEffect *effect = m_effects.value(name);
        if (effect && effect->status() == QSoundEffect::Ready)
            effect->play();
    }

private:
    QObject m_owner; // owns the effects
    QHash<QString, QSoundEffect *> m_effects;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundEffects *hitblowCreateSoundEffects()
{
    return new QtSoundEffects;
}
