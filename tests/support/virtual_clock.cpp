#include "support/virtual_clock.h"

#include <algorithm>

namespace testing_support {

class VirtualClock::Backend final : public platform::TimerBackend {
public:
    Backend(VirtualClock& clock, std::function<void()> onTick)
        : m_clock(clock)
        , m_onTick(std::move(onTick))
    {
    }
    ~Backend() override { m_clock.disarm(this); }

    void start(int intervalMs) override
    {
        m_interval = intervalMs;
        m_clock.arm(this, intervalMs);
    }
    void stop() override { m_clock.disarm(this); }

    void tick() { m_onTick(); }
    int interval() const { return m_interval; }

private:
    VirtualClock& m_clock;
    std::function<void()> m_onTick;
    int m_interval = 0;
};

std::unique_ptr<platform::TimerBackend> VirtualClock::createTimer(std::function<void()> onTick)
{
    return std::make_unique<Backend>(*this, std::move(onTick));
}

void VirtualClock::arm(Backend* backend, int intervalMs)
{
    disarm(backend);
    m_armed.push_back({backend, m_now + intervalMs, m_armCount++});
}

void VirtualClock::disarm(Backend* backend)
{
    std::erase_if(m_armed, [backend](const Entry& entry) { return entry.backend == backend; });
}

VirtualClock::Entry* VirtualClock::nextDue()
{
    auto earliest =
        std::min_element(m_armed.begin(), m_armed.end(), [](const Entry& a, const Entry& b) {
            return a.due != b.due ? a.due < b.due : a.armOrder < b.armOrder;
        });
    return earliest == m_armed.end() ? nullptr : &*earliest;
}

std::int64_t VirtualClock::untilNextTick() const
{
    std::int64_t best = -1;
    for (const Entry& entry : m_armed)
        if (best < 0 || entry.due - m_now < best)
            best = entry.due - m_now;
    return best;
}

bool VirtualClock::fireNext()
{
    Entry* entry = nextDue();
    if (!entry)
        return false;
    Backend* backend = entry->backend;
    m_now = std::max(m_now, entry->due);
    // Periodic: the next tick is one interval on, unless the handler re-arms or stops it.
    arm(backend, backend->interval());
    backend->tick();
    return true;
}

void VirtualClock::advance(std::int64_t ms)
{
    const std::int64_t target = m_now + ms;
    for (Entry* entry = nextDue(); entry && entry->due <= target; entry = nextDue())
        fireNext();
    m_now = std::max(m_now, target);
}

} // namespace testing_support
