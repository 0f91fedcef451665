// The real random generator: a standard engine, reseeded from the clock.
#pragma once

#include "platform/services.h"

#include <cstdint>
#include <random>

namespace platform {

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed = 0);

    void reseed() override;
    void seed(std::uint32_t seed);
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace platform
