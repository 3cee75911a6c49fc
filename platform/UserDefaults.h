#pragma once

#include <QSettings>

#include <memory>
#include <optional>

// The user's defaults: an INI file in the user's configuration folder,
// $XDG_CONFIG_HOME/HitBlow/HitBlow.conf (by default under ~/.config).
std::unique_ptr<QSettings> openUserDefaults();

// The value stored under key as an integer, or nothing when the key is absent or holds no number.
// A fractional number is cut towards zero; one beyond the integer range counts as no number.
std::optional<int> storedInt(const QSettings &defaults, const QString &key);

// The value stored under key as a single-precision number, or nothing when the key is absent or
// holds no number or one beyond the float range. Zero, negative, infinite and not-a-number values
// are taken as they are.
std::optional<float> storedFloat(const QSettings &defaults, const QString &key);

// Stores value as a plain decimal number, the shortest that reads back as the same float.
void setStoredFloat(QSettings &defaults, const QString &key, float value);

// Writes the store to disk. Returns false when the file could not be written.
bool synchronize(QSettings &defaults);
