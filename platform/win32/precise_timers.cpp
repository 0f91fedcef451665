#include "platform/win32/precise_timers.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>

namespace platform::win32 {
namespace {

constexpr wchar_t kClassName[] = L"FormsRuntimeTicks";
constexpr UINT kTick = WM_APP + 1;

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x2
#endif

// Windows 10 before version 1803 has no high-resolution timers; a plain one ticks on the
// system's clock there.
HANDLE createWaitableTimer()
{
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                          TIMER_ALL_ACCESS);
    if (!timer)
        timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    if (!timer)
        throw std::runtime_error("a timer cannot be made");
    return timer;
}

} // namespace

// Starting and stopping are asked of the waiting thread, which sets its waitable timer and
// marks each tick with the number of the run it belongs to; the window's thread runs a tick only
// if it belongs to the timer's latest run. So a tick already posted when the timer was started
// again or stopped never runs.
class PreciseTimer final : public TimerBackend {
public:
    PreciseTimer(PreciseTimers& timers, std::function<void()> onTick)
        : m_timers(timers)
        , m_onTick(std::move(onTick))
        , m_timer(createWaitableTimer())
        , m_asked(CreateEventW(nullptr, FALSE, FALSE, nullptr))
    {
        if (!m_asked)
            throw std::runtime_error("a timer cannot be made");
        m_timers.m_timers.insert(this);
        m_waiter = std::thread([this] { wait(); });
    }

    ~PreciseTimer() override
    {
        ask({0, 0, true, Clock::now()});
        m_waiter.join();
        m_timers.m_timers.erase(this);
        CloseHandle(m_asked);
        CloseHandle(m_timer);
    }

    void start(int intervalMs) override
    {
        ask({intervalMs, ++m_timers.m_lastRun, false, Clock::now()});
    }
    void stop() override { ask({0, ++m_timers.m_lastRun, false, Clock::now()}); }

    // On the window's thread.
    void tick(std::uint64_t run)
    {
        m_tickPosted = false;
        if (run == m_run)
            m_onTick();
    }

private:
    using Clock = std::chrono::steady_clock;

    struct Request {
        int intervalMs;
        std::uint64_t run;
        bool end;
        Clock::time_point askedAt;
    };

    void ask(const Request& request)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_request = request;
        }
        m_run = request.run;
        SetEvent(m_asked);
    }

    // On the timer's own thread.
    void wait()
    {
        const HANDLE events[] = {m_asked, m_timer};
        std::uint64_t run = 0;
        for (;;) {
            const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
            if (woken == WAIT_OBJECT_0) {
                Request request;
                {
                    const std::lock_guard lock(m_mutex);
                    request = m_request;
                }
                if (request.end)
                    return;
                run = request.run;
                arm(request.intervalMs, request.askedAt);
            } else if (woken == WAIT_OBJECT_0 + 1) {
                // Ticks that come while the window's thread is busy make one, as WM_TIMER does.
                if (!m_tickPosted.exchange(true))
                    PostMessageW(m_timers.m_window, kTick, reinterpret_cast<WPARAM>(this),
                                 static_cast<LPARAM>(run));
            } else {
                return;
            }
        }
    }

    // The first tick is due an interval after the start was asked for, not after this thread
    // woke to it: a timer started as its thread begins would otherwise tick late for good.
    void arm(int intervalMs, Clock::time_point askedAt)
    {
        if (intervalMs <= 0) {
            CancelWaitableTimer(m_timer);
            return;
        }
        using Units = std::chrono::duration<long long, std::ratio<1, 10'000'000>>;
        const Units remaining = std::chrono::milliseconds(intervalMs) -
                                std::chrono::duration_cast<Units>(Clock::now() - askedAt);
        // Negative: relative to now, in units of 100 ns; then every interval from there.
        LARGE_INTEGER due;
        due.QuadPart = -std::max<long long>(remaining.count(), 1);
        SetWaitableTimer(m_timer, &due, intervalMs, nullptr, nullptr, FALSE);
    }

    PreciseTimers& m_timers;
    std::function<void()> m_onTick;
    HANDLE m_timer;
    HANDLE m_asked;
    std::mutex m_mutex;
    Request m_request{0, 0, false, {}};
    std::uint64_t m_run = 0; // the window's thread's: the latest run asked for
    std::atomic<bool> m_tickPosted = false;
    std::thread m_waiter;
};

PreciseTimers::PreciseTimers()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    m_window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!m_window)
        throw std::runtime_error("the timers' window cannot be made");
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PreciseTimers::~PreciseTimers() { DestroyWindow(m_window); }

std::unique_ptr<TimerBackend> PreciseTimers::create(std::function<void()> onTick)
{
    return std::make_unique<PreciseTimer>(*this, std::move(onTick));
}

LRESULT CALLBACK PreciseTimers::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* timers = reinterpret_cast<PreciseTimers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != kTick || !timers)
        return DefWindowProcW(window, message, wParam, lParam);
    // A timer may be gone by the time its last tick arrives.
    auto* timer = reinterpret_cast<PreciseTimer*>(wParam);
    if (timers->m_timers.count(timer))
        timer->tick(static_cast<std::uint64_t>(lParam));
    return 0;
}

} // namespace platform::win32
