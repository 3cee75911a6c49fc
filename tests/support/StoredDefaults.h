// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserDefaults.h"

#include <QVariant>

#include <initializer_list>
#include <utility>

// Writes values into the user's defaults file. Every test executable has its own configuration
// folder, so this never reaches the user's real settings.
inline void storeUserDefaults(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    auto defaults = openUserDefaults();
    for (const auto &[key, value] : values)
        defaults->setValue(QLatin1String(key), value);
    defaults->sync();
}
