// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/MatchStatistics.h"

#include <QByteArray>

#include <optional>

class QIODevice;

// Reads a statistics file (see StatisticsFile) as it goes, one match at a time, holding no more
// than a few of its blocks: the entries of every member named "matches" of the top-level object,
// in order (a file with several keeps them all). An entry that is no valid match is counted, not
// given; so is a "matches" member that is no array. Every value is checked as JSON, except that a
// value longer than kLongestValue is only followed to its end: such an entry counts as invalid.
class StatisticsFileReader
{
public:
    // Far beyond any match a version of the game writes.
    static constexpr qsizetype kLongestValue = 1024 * 1024;

    explicit StatisticsFileReader(QIODevice &file);

    // The next valid match; nothing at the end of the file or at the first fault in it.
    std::optional<MatchRecord> next();
    int invalid() const { return m_invalid; }
    // Once next() gave nothing: whether the whole file was a JSON object with at least one
    // "matches" array, and the device read without error.
    bool readable() const { return m_state == State::End && m_sawMatches; }

private:
    enum class State { Start, Members, Entries, End, Failed };
    // The value that starts at the next character, whole, or as much as a long one allows.
    struct Value {
        QByteArray text;
        bool tooLong = false;
    };

    // The next character that is not white space, read past when take is set; -1 at the end.
    int nextCharacter(bool take);
    std::optional<Value> takeValue();
    bool fill();
    std::nullopt_t failed();

    QIODevice &m_file;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    State m_state = State::Start;
    // Whether the next member, or entry, follows a comma (or is the first).
    bool m_first = true;
    bool m_sawMatches = false;
    int m_invalid = 0;
};
