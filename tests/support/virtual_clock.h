// Virtual time for tests: timers tick only when the test advances the clock.
#pragma once

#include "platform/services.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace testing_support {

class VirtualClock {
public:
    VirtualClock() = default;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    std::unique_ptr<platform::TimerBackend> createTimer(std::function<void()> onTick);

    // Moves time on by the given milliseconds, firing every tick that falls due on the way in
    // time order (timers due together in the order they were started). A handler that
    // re-arms or stops a timer, or advances the clock itself from inside a message box, is
    // honoured.
    void advance(std::int64_t ms);
    // Moves time on to the next due tick and fires it; false when no timer runs.
    bool fireNext();
    std::int64_t now() const { return m_now; }
    // Milliseconds until the next tick, or -1 when no timer runs.
    std::int64_t untilNextTick() const;

private:
    class Backend;
    struct Entry {
        Backend* backend;
        std::int64_t due;
        std::int64_t armOrder;
    };
    Entry* nextDue();
    void arm(Backend* backend, int intervalMs);
    void disarm(Backend* backend);

    std::int64_t m_now = 0;
    std::int64_t m_armCount = 0;
    std::vector<Entry> m_armed;
};

} // namespace testing_support
