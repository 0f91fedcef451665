// Waiting by polling: a condition is checked again and again until it holds or a deadline passes.
#pragma once

#include <chrono>
#include <thread>

namespace e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Milliseconds from `since` to now.
inline long long msSince(Clock::time_point since)
{
    return std::chrono::duration_cast<milliseconds>(Clock::now() - since).count();
}

// Polls `condition` every few milliseconds until it is true (returns true) or `timeout` has
// passed (returns false). The pause only paces the polling; nothing is asserted on it.
template <typename Condition>
bool waitUntil(milliseconds timeout, Condition condition, milliseconds pace = milliseconds(10))
{
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pace);
    }
}

} // namespace e2e
