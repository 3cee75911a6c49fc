// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/ScoreCodes.h"

namespace ScoreCodes {

NumberSet numberAt(int index)
{
    NumberSet number{};
    bool used[10] = {};
    constexpr std::array<int, 4> weights{504, 56, 7, 1};
    for (int i = 0; i < 4; ++i) {
        int rank = index / weights[i];
        index %= weights[i];
        int digit = 0;
        for (;; ++digit) {
            if (!used[digit] && rank-- == 0)
                break;
        }
        number[i] = digit;
        used[digit] = true;
    }
    return number;
}

const std::array<PackedNumber, kNumbers> &packedNumbers()
{
    static const std::array<PackedNumber, kNumbers> numbers = [] {
        std::array<PackedNumber, kNumbers> all{};
        for (int i = 0; i < kNumbers; ++i)
            all[i] = PackedNumber::of(numberAt(i));
        return all;
    }();
    return numbers;
}

} // namespace ScoreCodes
