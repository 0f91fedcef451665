// Waiting by polling: a condition is checked again and again until it holds or a deadline passes.
#pragma once

#include <chrono>
#include <thread>
#include <utility>

namespace harness {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Milliseconds from `since` to now.
inline long long msSince(Clock::time_point since)
{
    return std::chrono::duration_cast<milliseconds>(Clock::now() - since).count();
}

// Milliseconds from one moment to another, to the nanosecond; negative if `to` came first.
inline double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Polls `condition` every `pace` until it is true (returns true) or the deadline has passed
// (returns false). The pause only paces the polling; nothing is asserted on it.
template <typename Condition>
bool waitUntilDeadline(Clock::time_point deadline, Condition condition,
                       Clock::duration pace = milliseconds(10))
{
    for (;;) {
        if (condition())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pace);
    }
}

// The same with a deadline `timeout` from now.
template <typename Condition>
bool waitUntil(Clock::duration timeout, Condition condition,
               Clock::duration pace = milliseconds(10))
{
    return waitUntilDeadline(Clock::now() + timeout, std::move(condition), pace);
}

} // namespace harness
