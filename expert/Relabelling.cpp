// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/Relabelling.h"

#include "platform/RandomSource.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {
template<std::size_t N>
void shuffle(std::array<int, N> &values, RandomSource &random)
{
    for (std::size_t i = N - 1; i > 0; --i)
        std::swap(values[i], values[random.draw() % (i + 1)]);
}
} // namespace

Relabelling::Relabelling()
{
    std::iota(m_digits.begin(), m_digits.end(), 0);
    std::iota(m_positions.begin(), m_positions.end(), 0);
}

Relabelling::Relabelling(const std::array<int, 10> &digits, const std::array<int, 4> &positions)
    : m_digits(digits)
    , m_positions(positions)
{
}

Relabelling Relabelling::drawnFrom(RandomSource &random)
{
    Relabelling relabelling;
    shuffle(relabelling.m_digits, random);
    shuffle(relabelling.m_positions, random);
    return relabelling;
}

std::optional<Relabelling> Relabelling::fromPermutations(const std::array<int, 10> &digits,
                                                        const std::array<int, 4> &positions)
{
    if (!std::is_permutation(digits.begin(), digits.end(), Relabelling().m_digits.begin())
        || !std::is_permutation(positions.begin(), positions.end(), Relabelling().m_positions.begin()))
        return std::nullopt;
    return Relabelling(digits, positions);
}

NumberSet Relabelling::apply(const NumberSet &number) const
{
    NumberSet moved{};
    for (int position = 0; position < 4; ++position)
        moved[m_positions[position]] = m_digits[number[position]];
    return moved;
}

Relabelling Relabelling::inverse() const
{
    Relabelling undo;
    for (int digit = 0; digit < 10; ++digit)
        undo.m_digits[m_digits[digit]] = digit;
    for (int position = 0; position < 4; ++position)
        undo.m_positions[m_positions[position]] = position;
    return undo;
}
