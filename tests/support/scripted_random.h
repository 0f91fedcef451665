// A random generator that gives the values a test lists, in order.
#pragma once

#include "platform/services.h"

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <optional>

namespace testing_support {

// The largest float below 1: the highest value the real generator can give.
inline constexpr float kLargestBelowOne = 1.0f - 1.0f / 16777216.0f;

class ScriptedRandom final : public platform::RandomSource {
public:
    void push(std::initializer_list<float> values);
    void push(float value) { m_values.push_back(value); }
    // With a fallback, values past the script come from it instead of failing the test.
    void setFallback(platform::RandomSource* fallback) { m_fallback = fallback; }

    void reseed() override { ++m_reseeds; }
    // Fails the test loudly when the script has run out.
    float next() override;

    std::size_t remaining() const { return m_values.size(); }
    std::size_t drawn() const { return m_drawn; }
    int reseeds() const { return m_reseeds; }

private:
    std::deque<float> m_values;
    platform::RandomSource* m_fallback = nullptr;
    std::size_t m_drawn = 0;
    int m_reseeds = 0;
};

} // namespace testing_support
