#include "PrefWindowController.h"

#include "platform/UserDefaults.h"

PrefWindowController::PrefWindowController(QObject *parent)
    : QObject(parent)
{
}

void PrefWindowController::awakeFromNib()
{
    const auto defaults = openUserDefaults();
    m_strengthLevel = defaults->value(QStringLiteral("StrengthLevel"), 1).toInt();
    m_candidatesVisible = defaults->value(QStringLiteral("CandidatesVisible"), 1).toInt();
    m_soundMode = defaults->value(QStringLiteral("SoundMode"), 1).toInt();
    m_autoCheck = defaults->value(QStringLiteral("AutoCheck"), 0).toInt();
    m_playingRhythm = defaults->value(QStringLiteral("PlayingRhythm"), 1.0f).toFloat();
}
