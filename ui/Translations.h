// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

// The game's texts in the user's language, and Qt's own texts (standard buttons, context menus).
// Without a translation for a language the English texts stay: the game's keys are English.
class Translations
{
public:
    Translations() = default;
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Installs the translations for locale into the application, replacing those installed
    // before. Returns whether the game's own translation was found.
    bool install(const QLocale &locale);

private:
    bool loadGame(const QLocale &locale);
    void remove();

    QTranslator m_game;
    QTranslator m_qt;
    bool m_gameInstalled = false;
    bool m_qtInstalled = false;
};
