// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "rules/MatchRules.h"

#include <QDate>

// The daily puzzle: one secret for everyone on a calendar date. Puzzle 1 is 2026-01-01 and puzzle N
// falls N - 1 days later, by the player's local calendar, so a puzzle never depends on the clock's
// time zone or summer time. Its secret is a fixed function of N that any program can recompute:
// the 5040 numbers of four different digits, written "0123", are ordered by the SHA-256 of
// "Hit & Blow daily puzzle " followed by the number (the digests compared as bytes); puzzle N's
// secret is the number at place (N - 1) mod 5040 of that order. So puzzles 1 to 5040 are all
// different, and the order starts again with puzzle 5041.
namespace DailyPuzzle {

constexpr int kMostGuesses = kMostDailyGuesses;

QDate firstDate();
// The puzzle of a date; 0 for a date before the first puzzle (or an invalid date).
int numberOn(QDate date);
// The date of puzzle number (1 or more).
QDate dateOf(int number);
// The secret of puzzle number (1 or more).
NumberSet secretOf(int number);

} // namespace DailyPuzzle
