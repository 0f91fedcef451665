// Timers that tick within a couple of milliseconds, as the runtime's timers do on Linux: the
// desktop's own WM_TIMER comes on the system's 15.6 ms clock tick at best.
#pragma once

#include "platform/services.h"
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_set>

namespace platform::win32 {

class PreciseTimer;

// Makes the timers, and runs their ticks on the thread that made it, the window's thread: each
// timer waits on a high-resolution waitable timer on a thread of its own and posts its ticks to
// a message-only window here, so that every tick is an event among the window's others, in
// order, and goes on while a message box runs its own message loop.
class PreciseTimers {
public:
    PreciseTimers();
    PreciseTimers(const PreciseTimers&) = delete;
    PreciseTimers& operator=(const PreciseTimers&) = delete;
    // Outlives every timer it made.
    ~PreciseTimers();

    std::unique_ptr<TimerBackend> create(std::function<void()> onTick);

private:
    friend class PreciseTimer;
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    // A number for each start and stop of any timer, so that a tick posted before one is told
    // from those after it.
    std::uint64_t m_lastRun = 0;
    std::unordered_set<const PreciseTimer*> m_timers;
};

} // namespace platform::win32
