// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "rules/Turn.h"

#include <QString>

#include <vector>

// What the user has learnt of Mac's secret: the user's own guesses and their scores, oldest first.
struct OwnRecords {
    std::vector<Turn> turns;

    // The numbers Mac's secret can still be, judged from these records alone with the computer's
    // full pruning of level 1, in increasing order. Never empty for the records of a real match.
    CandidateList candidates() const;

    bool empty() const { return turns.empty(); }
    std::size_t size() const { return turns.size(); }
    // The guesses and their scores apart, oldest first.
    std::vector<NumberSet> guesses() const;
    std::vector<HitBlowResult> scores() const;

    // As the statistics keep them: a JSON array, oldest first, of {"guess":"0123","hits":1,"blows":2}.
    QString toJsonText() const;
    // Records written by toJsonText(); empty records for an empty or null text, and for any text
    // that is not such an array of numbers of four different digits with possible scores, or that
    // holds more guesses than a match has (kMostUserGuesses).
    static OwnRecords fromJsonText(const QString &text);
    // Room for the longest text toJsonText() writes, with spaces to spare.
    static constexpr int kLongestJsonText = 4096;
};
