#pragma once

#include <QSettings>

#include <memory>

// The user's defaults: an INI file in the user's configuration folder,
// $XDG_CONFIG_HOME/HitBlow/HitBlow.conf (by default under ~/.config).
std::unique_ptr<QSettings> openUserDefaults();
