// SPDX-License-Identifier: GPL-3.0-or-later
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
    if (loadGame(locale))
        m_gameInstalled = QCoreApplication::installTranslator(&m_game);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
    // Dates and numbers in the language of the game's texts, whatever formats the locale names:
    // the English texts write them the English way of the user's country.
    QLocale::setDefault(m_gameInstalled ? QLocale(m_game.language()) : QLocale(QLocale::English, locale.territory()));
    return m_gameInstalled;
}

bool Translations::loadGame(const QLocale &locale)
{
    const QString name = QStringLiteral("hitblow");
    const QString prefix = QStringLiteral("_");
    const QString folder = QStringLiteral(":/i18n");
    if (m_game.load(locale, name, prefix, folder))
        return true;
    // The Simplified Chinese texts are filed under China, but Singapore and Malaysia write the same
    // script. Traditional Chinese (Taiwan, Hong Kong) keeps English rather than the other script;
    // LANGUAGE=zh_TW:zh_CN asks for Simplified Chinese as a second choice.
    if (locale.language() == QLocale::Chinese && locale.script() == QLocale::SimplifiedHanScript)
        return m_game.load(QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China), name, prefix, folder);
    return false;
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
