// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why the game must neither read nor write path, in words for the player: "a FIFO", "a device",
// "a folder", "a socket", "a symbolic link to nothing". Empty when path is a regular file, a
// symbolic link that ends at one, or missing (or in a folder that cannot be looked into, where
// opening it fails by itself). Only looks: nothing is opened, so a FIFO cannot block the caller.
QString whyNotRegularFile(const QString &path);
