// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameModule.h"

#include <QString>

// The entry point named symbol of the chart module (hitblow-chart), or nullptr when the module
// cannot be loaded; the reason is logged, naming what cannot be shown.
template <typename Factory>
Factory chartModuleEntry(const char *symbol, const char *what)
{
    QString error;
    const auto factory = reinterpret_cast<Factory>(GameModule::resolve(QStringLiteral("hitblow-chart"), symbol, &error));
    if (!factory)
        qWarning("%s cannot be shown:%s", what, qUtf8Printable(error));
    return factory;
}
