#include "bench/probes/recording_services.h"

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
        m_log.started(intervalMs);
        m_real->start(intervalMs);
    }

    void stop() override
    {
        m_log.stopped();
        m_real->stop();
    }

private:
    std::unique_ptr<platform::TimerBackend> m_real;
    TimerLog& m_log;
};

} // namespace

void TimerLog::started(int intervalMs)
{
    m_running = true;
    m_lastStart = Clock::now();
    m_intervalMs = intervalMs;
    m_ticksSinceStart = 0;
}

void TimerLog::ticked()
{
    const Clock::time_point now = Clock::now();
    if (!m_running) {
        ++m_strayTicks;
        return;
    }
    ++m_ticksSinceStart;
    const auto due = m_lastStart + std::chrono::milliseconds(m_intervalMs) * m_ticksSinceStart;
    m_ticks.push_back({due, now, m_intervalMs});
}

RecordingServices::RecordingServices(const platform::FormDesign& design)
{
    for (const platform::TimerDesign& timer : design.timers)
        m_names.emplace_back(timer.name);
}

std::unique_ptr<platform::TimerBackend> RecordingServices::createTimer(std::function<void()> onTick)
{
    if (m_logs.size() >= m_names.size())
        throw std::logic_error("the form made more timers than its design names");
    m_logs.push_back(std::make_unique<TimerLog>(m_names[m_logs.size()]));
    TimerLog* log = m_logs.back().get();
    auto real = m_real.createTimer([log, onTick = std::move(onTick)] {
        log->ticked();
        onTick();
    });
    return std::make_unique<RecordingTimer>(std::move(real), *log);
}

void RecordingServices::showMessage(std::string_view text, std::string_view title)
{
    m_real.showMessage(text, title);
}

const TimerLog& RecordingServices::log(std::string_view name) const
{
    for (const auto& log : m_logs)
        if (log->name() == name)
            return *log;
    throw std::logic_error("no timer named " + std::string(name));
}

} // namespace bench
