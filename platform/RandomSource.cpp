// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <random>

namespace {
class SeededRandomSource final : public RandomSource
{
public:
    SeededRandomSource()
    {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device(), device(), device(), device(), device()};
        m_engine.seed(seed);
    }

    std::uint32_t draw() override { return static_cast<std::uint32_t>(m_engine() >> 33); }

private:
    std::mt19937_64 m_engine;
};
} // namespace

RandomSource &RandomSource::processWide()
{
    static SeededRandomSource source;
    return source;
}
