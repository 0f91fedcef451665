#include "bench/probes/recording_services.h"

#include "bench/common/samples.h"

#include <stdexcept>

namespace bench {
namespace {

class RecordingTimer final : public platform::TimerBackend {
public:
    RecordingTimer(std::unique_ptr<platform::TimerBackend> real, TimerLog& log)
        : m_real(std::move(real))
        , m_log(log)
    {
    }

    void start(int intervalMs) override
    {
        // Noted before the real start, so that Qt's own count begins no earlier than ours.
        m_log.running = true;
        m_log.lastStart = Clock::now();
        m_log.intervalMs = intervalMs;
        m_log.ticksSinceStart = 0;
        m_real->start(intervalMs);
    }

    void stop() override
    {
        m_log.running = false;
        m_real->stop();
    }

private:
    std::unique_ptr<platform::TimerBackend> m_real;
    TimerLog& m_log;
};

} // namespace

RecordingServices::RecordingServices(platform::Services& real, const platform::FormDesign& design)
    : m_real(real)
{
    for (const platform::TimerDesign& timer : design.timers)
        m_names.emplace_back(timer.name);
}

std::unique_ptr<platform::TimerBackend> RecordingServices::createTimer(std::function<void()> onTick)
{
    if (m_logs.size() >= m_names.size())
        throw std::logic_error("the form made more timers than its design names");
    TimerLog* log = m_logs.emplace_back(std::make_unique<TimerLog>()).get();
    log->name = m_names[m_logs.size() - 1];
    auto real = m_real.createTimer([log, onTick = std::move(onTick)] {
        const Clock::time_point now = Clock::now();
        if (log->running)
            log->ticks.push_back({log->lastStart + std::chrono::milliseconds(log->intervalMs) *
                                                       ++log->ticksSinceStart,
                                  now});
        else
            ++log->strayTicks;
        onTick();
    });
    return std::make_unique<RecordingTimer>(std::move(real), *log);
}

const TimerLog& RecordingServices::log(std::string_view name) const
{
    for (const auto& log : m_logs)
        if (log->name == name)
            return *log;
    throw std::logic_error("no timer named " + std::string(name));
}

void RecordingServices::emitSamples(int seconds, std::string_view build) const
{
    emitSample(sample::timers, withBuild({{"seconds", seconds}}, build));
    for (const auto& log : m_logs) {
        for (const Tick& tick : log->ticks)
            emitSample(sample::tick,
                       withBuild({{"timer", log->name},
                                  {"late_ms", harness::millisecondsBetween(tick.due, tick.arrived)},
                                  {"at_ms", harness::millisecondsBetween(log->ticks.front().arrived,
                                                                         tick.arrived)}},
                                 build));
        if (log->strayTicks > 0)
            emitSample(sample::stray,
                       withBuild({{"timer", log->name}, {"ticks", log->strayTicks}}, build));
    }
}

} // namespace bench
