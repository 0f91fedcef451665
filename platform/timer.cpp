#include "platform/timer.h"

#include "platform/form.h"
#include "platform/runtime_error.h"

namespace platform {

Timer::Timer(Form& form, const TimerDesign& design, Services& services)
    : m_form(form)
    , m_name(design.name)
    , m_enabled(design.enabled)
    , m_interval(design.interval)
    , m_backend(services.createTimer([this] { tick(); }))
{
    // A timer enabled at design time counts from the moment the form is created.
    restart();
}

bool Timer::enabled() const
{
    m_form.noteAccess({m_name, "Enabled", false, false});
    return m_enabled;
}

std::int32_t Timer::interval() const
{
    m_form.noteAccess({m_name, "Interval", false, false});
    return m_interval;
}

void Timer::setEnabled(bool enabled)
{
    m_form.noteAccess({m_name, "Enabled", true, true});
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void Timer::setInterval(std::int32_t interval)
{
    m_form.noteAccess({m_name, "Interval", true, true});
    if (interval < 0 || interval > 65535)
        throw invalidPropertyValueError();
    m_interval = interval;
    restart();
}

void Timer::halt()
{
    m_enabled = false;
    m_backend->stop();
}

void Timer::restart()
{
    // Once the form is unloaded nothing starts a timer again, not even a handler on its way out.
    if (running() && !m_form.unloaded())
        m_backend->start(m_interval);
    else
        m_backend->stop();
}

void Timer::tick() { m_form.dispatch(onTimer); }

} // namespace platform
