// Makes property accesses inside handlers fail at random, and counts any access a handler
// makes after its failure point: an abandoned handler must change nothing more.
#pragma once

#include "platform/access_probe.h"
#include "platform/runtime_error.h"

#include <random>
#include <vector>

namespace testing_support {

class FaultInjector final : public platform::AccessProbe {
public:
    FaultInjector(std::uint32_t seed, double probability)
        : m_engine(seed)
        , m_failure(probability)
    {
    }

    void onHandlerStart() override { m_abandoned.push_back(false); }
    void onHandlerEnd() override { m_abandoned.pop_back(); }

    void onAccess(const platform::Access& access) override
    {
        if (m_abandoned.empty())
            return; // the test's own look at the controls
        if (m_abandoned.back())
            ++m_accessesAfterFailure;
        if (!access.canFail)
            return; // the generator, the message box and plain reads never fail
        if (m_failure(m_engine)) {
            m_abandoned.back() = true;
            ++m_faults;
            throw platform::invalidPropertyValueError();
        }
    }

    int faults() const { return m_faults; }
    int accessesAfterFailure() const { return m_accessesAfterFailure; }
    bool insideHandler() const { return !m_abandoned.empty(); }

private:
    std::mt19937 m_engine;
    std::bernoulli_distribution m_failure;
    std::vector<bool> m_abandoned; // one entry per running handler, innermost last
    int m_faults = 0;
    int m_accessesAfterFailure = 0;
};

} // namespace testing_support
