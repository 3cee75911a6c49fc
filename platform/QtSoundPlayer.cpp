#include "QtSoundPlayer.h"

#include "SoundEffects.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
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
    // Beside the program in a build tree; installed, in the program's own folder of libraries.
    const QDir programDir(QCoreApplication::applicationDirPath());
    QLibrary module;
    for (const QString &dir : {programDir.path(), programDir.filePath(QStringLiteral(HITBLOW_MODULE_DIR))}) {
        module.setFileName(QDir(dir).filePath(QStringLiteral("hitblow-sound")));
        if (module.load())
            break;
    }
    // The module stays loaded for the rest of the process: the effects' code lives in it.
    const auto create = reinterpret_cast<CreateSoundEffects *>(module.resolve(kCreateSoundEffectsSymbol));
    if (!create) {
        qWarning("QtSoundPlayer: no sound module (%s): the game stays silent", qUtf8Printable(module.errorString()));
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
