// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/MatchRules.h"
#include "NumberComparer.h"

#include <array>
#include <bit>
#include <cstdint>

// Compact forms of numbers and scores for the expert player and the tool that builds its tree.
// A number is its index among the 5040 (the order of NumberComparer::makeCandidatesArray); a score
// is one of 14 codes in the order 0-0, 0-1, 0-2, 0-3, 0-4, 1-0, 1-1, 1-2, 1-3, 2-0, 2-1, 2-2, 3-0,
// 4-0. The tree stores its children in that order.
namespace ScoreCodes {

constexpr int kNumbers = kAllNumbersCount;
constexpr int kCodes = 14;
constexpr int kWinCode = 13;

constexpr bool isScore(int hits, int blows)
{
    return hits >= 0 && blows >= 0 && hits + blows <= 4 && !(hits == 3 && blows == 1);
}

// The code of a score; the score must be one (isScore).
constexpr int codeOf(int hits, int blows)
{
    constexpr std::array<int, 5> firstOfHits{0, 5, 9, 12, 13};
    return firstOfHits[hits] + blows;
}

constexpr HitBlowResult resultOf(int code)
{
    int hits = 0;
    while (hits < 4 && codeOf(hits + 1, 0) <= code)
        ++hits;
    return {hits, code - codeOf(hits, 0)};
}

constexpr int indexOf(const NumberSet &number)
{
    int index = 0;
    constexpr std::array<int, 4> weights{504, 56, 7, 1};
    for (int i = 0; i < 4; ++i) {
        int rank = number[i];
        for (int j = 0; j < i; ++j)
            rank -= number[j] < number[i] ? 1 : 0;
        index += weights[i] * rank;
    }
    return index;
}

NumberSet numberAt(int index);

// A number packed for fast scoring: one digit per byte and a mask of the digits it holds.
struct PackedNumber {
    std::uint32_t digits = 0;
    std::uint16_t mask = 0;

    static PackedNumber of(const NumberSet &number)
    {
        PackedNumber packed;
        for (int i = 0; i < 4; ++i) {
            packed.digits |= std::uint32_t(number[i]) << (8 * i);
            packed.mask |= std::uint16_t(1u << number[i]);
        }
        return packed;
    }
};

// The number of digits in each mask of the ten digits: counting bits without a processor
// instruction for it would call a library function, too slow for the searches that score sets.
inline constexpr std::array<std::uint8_t, 1024> kDigitCounts = [] {
    std::array<std::uint8_t, 1024> counts{};
    for (int mask = 0; mask < 1024; ++mask)
        counts[mask] = std::uint8_t(std::popcount(unsigned(mask)));
    return counts;
}();

inline int codeBetween(PackedNumber a, PackedNumber b)
{
    const std::uint32_t same = a.digits ^ b.digits;
    // A byte of `same` is zero exactly where the two numbers agree; each byte of `differ` is 1
    // where they differ, and the multiplication sums the bytes into the top one.
    const std::uint32_t nonZero = ((same & 0x7f7f7f7fu) + 0x7f7f7f7fu) | same;
    const std::uint32_t differ = (nonZero & 0x80808080u) >> 7;
    const int hits = 4 - int((differ * 0x01010101u) >> 24);
    const int shared = kDigitCounts[a.mask & b.mask];
    return codeOf(hits, shared - hits);
}

// All 5040 numbers packed, in index order.
const std::array<PackedNumber, kNumbers> &packedNumbers();

} // namespace ScoreCodes
