// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The user's own folders, chosen by the XDG Base Directory rules: $XDG_CONFIG_HOME and
// $XDG_DATA_HOME count only when they hold an absolute path (a relative one is ignored), and
// otherwise $HOME/.config and $HOME/.local/share stand in, but only for a HOME that is an absolute
// path to an existing folder other than the filesystem's root. Empty when neither is usable: the
// game then writes no file of its own there, and keeps what it would have stored for the run.
namespace UserFolders {
QString configHome();
QString dataHome();
} // namespace UserFolders
