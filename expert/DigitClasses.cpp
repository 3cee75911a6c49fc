// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/DigitClasses.h"

#include "expert/ScoreCodes.h"

#include <algorithm>

DigitClasses::DigitClasses(const std::vector<std::uint16_t> &set)
{
    for (int digit = 0; digit < 10; ++digit)
        m_classOf[digit] = digit;
    std::uint16_t present = 0;
    for (std::uint16_t secret : set)
        present |= ScoreCodes::packedNumbers()[secret].mask;
    // Swaps that give the set back are an equivalence: a digit joins the class of the lowest
    // digit it can be swapped with.
    for (int digit = 0; digit < 10; ++digit) {
        if (m_classOf[digit] != digit)
            continue;
        for (int other = digit + 1; other < 10; ++other) {
            const bool bothAbsent = !(present & (1u << digit)) && !(present & (1u << other));
            if (m_classOf[other] == other && (bothAbsent || swapKeeps(set, digit, other)))
                m_classOf[other] = digit;
        }
    }
}

bool DigitClasses::isLowestRenaming(int guess) const
{
    const std::uint32_t digits = ScoreCodes::packedNumbers()[guess].digits;
    std::array<int, 10> nextOf{}; // by class: the lowest digit of the class not used yet
    for (int digit = 0; digit < 10; ++digit)
        nextOf[digit] = digit;
    for (int position = 0; position < 4; ++position) {
        const int digit = int((digits >> (8 * position)) & 0xff);
        const int cls = m_classOf[digit];
        int &next = nextOf[cls];
        while (m_classOf[next] != cls)
            ++next;
        if (digit != next++)
            return false;
    }
    return true;
}

bool DigitClasses::swapKeeps(const std::vector<std::uint16_t> &set, int a, int b)
{
    for (std::uint16_t secret : set) {
        NumberSet number = ScoreCodes::numberAt(secret);
        for (int &digit : number)
            digit = digit == a ? b : digit == b ? a : digit;
        if (!std::binary_search(set.begin(), set.end(), std::uint16_t(ScoreCodes::indexOf(number))))
            return false;
    }
    return true;
}
