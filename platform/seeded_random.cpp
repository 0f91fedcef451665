#include "platform/seeded_random.h"

#include <chrono>

namespace platform {

SeededRandom::SeededRandom(std::uint32_t seed)
    : m_engine(seed)
{
}

void SeededRandom::reseed()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq sequence{static_cast<std::uint32_t>(ticks),
                           static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) >> 32)};
    m_engine.seed(sequence);
}

void SeededRandom::seed(std::uint32_t seed) { m_engine.seed(seed); }

float SeededRandom::next()
{
    // 24 bits fill a float's mantissa exactly, so r is exact and the largest value is
    // 1 - 2^-24: never 1.0, so that a draw Int(N x r + 1) stays within 1..N.
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(m_engine() >> 8) * kScale;
}

} // namespace platform
