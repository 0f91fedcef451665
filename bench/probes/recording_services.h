// The real surroundings of the game, whichever front end's, with every timer's starts and ticks
// noted on the steady clock, so that a tick can be set against the moment it was due.
#pragma once

#include "harness/polling.h"
#include "platform/design.h"
#include "platform/services.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

using harness::Clock;

struct Tick {
    Clock::time_point due;
    Clock::time_point arrived;
};

// One timer as the game drives it: a tick is due an interval after the last start, and every
// interval after that while the timer runs.
struct TimerLog {
    std::string name;
    std::vector<Tick> ticks;
    int strayTicks = 0; // came while the timer was stopped: there should be none
    bool running = false;
    Clock::time_point lastStart;
    int intervalMs = 0;
    int ticksSinceStart = 0;
};

class RecordingServices final : public platform::Services {
public:
    // Passes everything on to `real`, which must outlive it, and names the timers after the
    // design's, in the order the form creates them.
    RecordingServices(platform::Services& real, const platform::FormDesign& design);

    std::unique_ptr<platform::TimerBackend> createTimer(std::function<void()> onTick) override;
    void showMessage(std::string_view text, std::string_view title) override
    {
        m_real.showMessage(text, title);
    }
    platform::RandomSource& random() override { return m_real.random(); }
    void programmingError(const std::logic_error& error) override
    {
        m_real.programmingError(error);
    }

    // Throws std::logic_error if no timer has the name.
    const TimerLog& log(std::string_view name) const;
    const std::vector<std::unique_ptr<TimerLog>>& logs() const { return m_logs; }

    // The samples of a run of `seconds`: "timers", then each timer's ticks, how late each came
    // (negative if early) and when from the timer's first tick, so that a drift shows as a trend
    // where noise shows as scatter ("tick"), and its ticks while stopped ("stray"). `build` names
    // a build other than the Linux one.
    void emitSamples(int seconds, std::string_view build = {}) const;

private:
    platform::Services& m_real;
    std::vector<std::string> m_names;
    std::vector<std::unique_ptr<TimerLog>> m_logs;
};

} // namespace bench
