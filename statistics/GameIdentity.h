// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A running game as a kept match names the game that holds it: "pid:start:serial", its process
// id, the time that process started (so that an id used again by another program after the game
// died is not taken for the game), and a serial for each game of the process. A name runs while
// its process runs and, within this process, while its identity lives.
class GameIdentity final
{
public:
    GameIdentity();
    ~GameIdentity();
    GameIdentity(const GameIdentity &) = delete;
    GameIdentity &operator=(const GameIdentity &) = delete;

    const QString &name() const { return m_name; }
    // Whether the game named still runs; false for an empty or malformed name.
    static bool isRunning(const QString &name);

private:
    QString m_name;
};
