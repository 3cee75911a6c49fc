// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// hitblow-arena --duel-host [ADDRESS:]PORT --secret DDDD [--lie] [--timeout SECONDS]
// hitblow-arena --duel-join HOST:PORT --secret DDDD [--lie] [--timeout SECONDS]
//
// A headless side of a duel that plays the Expert's guesses. The host listens on ADDRESS (127.0.0.1
// unless given; 0.0.0.0 for every network) and PORT (0: any free one), prints "listening PORT" once
// it does, and plays the first joiner whose hello it accepts; a peer it refuses is named on
// stderr. At the end each prints one line: "result won|lost|draw guesses N" (N its own guesses),
// "result won guesses N forfeit: WHY" when the other side stopped before revealing, or "the other
// side lied: WHY" when its scores or its reveal were false. --lie gives false scores from the
// second on; --timeout is how long a silent peer is waited for (15 s unless given).
// Returns 0 when a duel was played to its end, 1 when none was, 2 for a wrong command line.
int playDuel(int argc, char *argv[]);
