// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

// hitblow-arena --review: reads matches in the --trace form ("SECRET: GUESS H-B, GUESS H-B, ...",
// one a line) and prints the review of each: a line per guess, then the match's skill and luck.
// Returns the exit status: 1 when some line could not be reviewed (the reason on standard error).
int reviewTraces(std::FILE *in);
