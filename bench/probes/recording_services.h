// The real surroundings of the game, with every timer's starts and ticks noted on the steady
// clock, so that a tick can be set against the moment it was due.
#pragma once

#include "harness/polling.h"
#include "platform/design.h"
#include "platform/qt_services.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

using harness::Clock;

struct Tick {
    Clock::time_point due;
    Clock::time_point arrived;
    int intervalMs;
};

// One timer as the game drives it: a tick is due an interval after the last start, and every
// interval after that while the timer runs.
class TimerLog {
public:
    explicit TimerLog(std::string name)
        : m_name(std::move(name))
    {
    }

    const std::string& name() const { return m_name; }
    const std::vector<Tick>& ticks() const { return m_ticks; }
    bool running() const { return m_running; }
    // Ticks that came while the timer was stopped: there should be none.
    int strayTicks() const { return m_strayTicks; }

    void started(int intervalMs);
    void stopped() { m_running = false; }
    void ticked();

private:
    std::string m_name;
    bool m_running = false;
    Clock::time_point m_lastStart;
    int m_intervalMs = 0;
    int m_ticksSinceStart = 0;
    int m_strayTicks = 0;
    std::vector<Tick> m_ticks;
};

class RecordingServices final : public platform::Services {
public:
    // Names the timers after the design's, in the order the form creates them.
    explicit RecordingServices(const platform::FormDesign& design);

    std::unique_ptr<platform::TimerBackend> createTimer(std::function<void()> onTick) override;
    void showMessage(std::string_view text, std::string_view title) override;
    platform::RandomSource& random() override { return m_real.random(); }

    void setOwnerWindow(QWidget* window) { m_real.setOwnerWindow(window); }
    const TimerLog& log(std::string_view name) const;
    const std::vector<std::unique_ptr<TimerLog>>& logs() const { return m_logs; }

private:
    platform::QtServices m_real;
    std::vector<std::string> m_names;
    std::vector<std::unique_ptr<TimerLog>> m_logs;
};

} // namespace bench
