#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::~Translations()
{
    remove();
}

bool Translations::install(const QLocale &locale)
{
    remove();
    // The game's translations are built into the program; Qt's come with the system, if at all.
    if (m_game.load(locale, QStringLiteral("hitblow"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        m_gameInstalled = QCoreApplication::installTranslator(&m_game);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
    return m_gameInstalled;
}

void Translations::remove()
{
    if (m_gameInstalled)
        QCoreApplication::removeTranslator(&m_game);
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    m_gameInstalled = false;
    m_qtInstalled = false;
}
