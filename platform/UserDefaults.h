// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

#include <memory>
#include <optional>

// The user's defaults: an INI file in the user's configuration folder,
// $XDG_CONFIG_HOME/HitBlow/HitBlow.conf (by default under ~/.config; see UserFolders). The file is
// read and written only while it is a regular file or missing; a symbolic link is followed only to
// a regular file, so a link into a dotfiles folder works. Anything else there (a FIFO, which would
// block the open, a device, which the atomic write would replace, a folder) is left alone, as is
// everything when no configuration folder is known: the defaults given then hold no keys and keep
// none, so the game runs on its own defaults and keeps the player's changes in memory until it quits.
std::unique_ptr<QSettings> openUserDefaults();

// Where the defaults are kept; empty when no configuration folder is known.
QString userDefaultsPath();

// Why the defaults file is not used, briefly, for the player ("Settings not saved: HitBlow.conf is
// a FIFO"); empty while it is used.
QString userDefaultsProblem();

// The value stored under key as an integer, or nothing when the key is absent or holds no number.
// A fractional number is cut towards zero; one beyond the integer range counts as no number.
std::optional<int> storedInt(const QSettings &defaults, const QString &key);

// The value stored under key as a single-precision number, or nothing when the key is absent or
// holds no number or one beyond the float range. Zero, negative, infinite and not-a-number values
// are taken as they are.
std::optional<float> storedFloat(const QSettings &defaults, const QString &key);

// Stores value as a plain decimal number, the shortest that reads back as the same float.
void setStoredFloat(QSettings &defaults, const QString &key, float value);

// Writes the store to disk. Returns false when the file could not be written; true for the store
// of openUserDefaults() that keeps nothing, whose problem is told once by userDefaultsProblem().
bool synchronize(QSettings &defaults);
