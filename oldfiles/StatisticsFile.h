// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/MatchStatistics.h"

#include <QJsonObject>
#include <QString>

#include <functional>

// The statistics on disk: a JSON object whose "matches" array holds one object per match, oldest
// first, with "finished" (ISO 8601, UTC), "strength" (0 to 3), "result" ("won", "lost", "draw" or
// "abandoned"), "guesses", "hinted" and, where they were kept, "turns" (the user's guesses and
// scores, as OwnRecords::toJsonText() writes them). Fields it does not know, in the object or in a
// match, come from a newer version of the game and are written back as they were.
class StatisticsFile
{
public:
    // $XDG_DATA_HOME/HitBlow/statistics.json, by default under ~/.local/share.
    static QString defaultPath();

    explicit StatisticsFile(const QString &path = defaultPath());

    const QString &path() const { return m_path; }

    // Reads the file; a missing one gives empty statistics. A file that cannot be read or does not
    // hold valid statistics is renamed aside with the suffix ".corrupt" under a name not yet taken,
    // and gives empty statistics; keptAsidePath() then says where it went.
    MatchStatistics load();
    const QString &keptAsidePath() const { return m_keptAsidePath; }

    // Replaces the file with these statistics in one step, creating its folder when needed: a
    // crash leaves either the old file or the new one. Returns false, with errorString() set, when
    // the file could not be written, or when an unreadable file could not be moved out of the way
    // (it is never overwritten).
    bool save(const MatchStatistics &statistics);
    // Hands add each match to write, oldest first, until add returns false (a write failed);
    // false when it could not give them all.
    using MatchWalk = std::function<bool(const std::function<bool(const MatchRecord &)> &add)>;
    // The same as save(), each match written as walk gives it, so that they are never all held
    // at once. A walk that stops early leaves the file as it was.
    bool save(const MatchWalk &walk);
    const QString &errorString() const { return m_errorString; }

    // One entry of the "matches" array, or nothing when a field is missing or out of range
    // (a finishing time outside the years 1 to 9999 in UTC included).
    static std::optional<MatchRecord> matchFrom(const QJsonValue &value);
    // The names of the results as the file and the database write them.
    static QLatin1String resultName(MatchOutcome outcome);
    static std::optional<MatchOutcome> resultNamed(const QString &text);

private:
    std::optional<MatchStatistics> parsed(const QByteArray &data);
    void keepAside(const QString &reason);

    QString m_path;
    QString m_keptAsidePath;
    QString m_errorString;
    QJsonObject m_otherFields;
    bool m_blocked = false;
};
