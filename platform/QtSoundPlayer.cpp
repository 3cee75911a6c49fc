#include "QtSoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
{
    // Without an audio device every effect would only print warnings; stay silent instead.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    const QFileInfoList files = QDir(QStringLiteral(":/sounds")).entryInfoList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QFileInfo &file : files) {
        auto *effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + file.absoluteFilePath()));
        m_effects.insert(file.completeBaseName(), effect);
    }
}

void QtSoundPlayer::play(const QString &name)
{
    QSoundEffect *effect = m_effects.value(name);
    if (effect && effect->status() == QSoundEffect::Ready)
        effect->play();
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
