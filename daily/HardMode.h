// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Turn.h"

#include <optional>
#include <vector>

// Hard mode: every guess must fit all the scores so far, that is, it could still be the secret.
namespace HardMode {

// The first earlier turn whose score the guess contradicts (the score that guess would have got
// were this guess the secret differs), or nothing when the guess fits them all.
std::optional<Turn> contradiction(const NumberSet &guess, const std::vector<Turn> &earlier);

} // namespace HardMode
