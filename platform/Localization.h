// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Every text the game shows is looked up by its English text in one translation context. Mark the
// keys with QT_TRANSLATE_NOOP("HitBlow", ...) where they are written so that lupdate finds them.
inline constexpr const char *kTranslationContext = "HitBlow";

inline QString localizedString(const char *key)
{
    return QCoreApplication::translate(kTranslationContext, key);
}
