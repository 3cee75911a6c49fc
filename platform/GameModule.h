// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

// The game's loadable modules (the sound effects, the chart of the statistics): found beside the
// program in a build tree, one folder up from the tests and benchmarks there, and where the
// installation puts them. A module stays loaded for the rest of the process once found.
namespace GameModule {

// The entry point named symbol of the module baseName, or nullptr; then error says why, for
// every place the module was looked for.
QFunctionPointer resolve(const QString &baseName, const char *symbol, QString *error);

} // namespace GameModule
