// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"

#include <QString>

#include <memory>

class HitBlowController;
class PrefWindowController;
class StatisticsKeeper;

// Matches played by script through a real match controller whose status changes reach a
// StatisticsKeeper as the game connects them, and what the statistics database then holds, read
// through a connection of the caller's own.
//
// Steps, separated by spaces: "turn" (a new match up to the user's first guess, Mac's guess scored
// truly), "turn4" (the same, Mac having found the user's number), "right" and "wrong" (the user's
// guess is Mac's number or not), "next" (the next round up to the user's guess), "draw16" (a new
// match drawn at the sixteenth guess), "shown" (the result shown), "hint" (the hint taken),
// "abandon" (given up, as New Game and quitting do), "new" (New Game).
class ScriptedMatches
{
public:
    ScriptedMatches();
    ~ScriptedMatches();

    void play(const QString &steps, StatisticsKeeper &keeper, int strength);

    // The rows of a database as "result:guesses:hinted:strength", oldest first; "<none>" without one.
    static QString storedRows(const QString &path);
    static QByteArray contentsOf(const QString &path);
    // The matches of a side file of waiting matches, written as storedRows() writes them.
    static QString waitingRows(const QString &path);
    // Runs each statement on a connection of its own to the database at path; false at the first
    // that fails.
    static bool runSql(const QString &path, const QStringList &statements);
    // "none", "symlink", "fifo", "directory" or "file", without following a link.
    static QString kindOf(const QString &path);

private:
    // A new match up to the user's first guess, Mac's guess scored truly or as having found it.
    void reachUserTurn(bool macFound);

    FakeServices m_fakes;
    std::unique_ptr<PrefWindowController> m_prefs;
    std::unique_ptr<HitBlowController> m_match;
    // The statistics keeper the running play() reports the match's status changes to.
    QMetaObject::Connection m_listening;
};
