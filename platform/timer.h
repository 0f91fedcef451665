// A timer control: raises Timer every Interval milliseconds while Enabled.
//
// Setting Interval restarts the count from that moment, and an Interval of 0 never ticks.
// Setting Enabled to true on a timer that already runs keeps its count: only a change from
// stopped to running starts a fresh count. So enabling a running timer again does not put off
// its next tick.
#pragma once

#include "platform/design.h"
#include "platform/services.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

class Form;

class Timer final {
public:
    Timer(Form& form, const TimerDesign& design, Services& services);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return m_name; }

    bool enabled() const;
    void setEnabled(bool enabled);
    std::int32_t interval() const;
    // Whole milliseconds, 0 to 65535; anything else is an invalid property value.
    void setInterval(std::int32_t interval);
    // Whether ticks come: enabled with a non-zero interval. The platform's own look, which no
    // handler makes.
    bool running() const { return m_enabled && m_interval > 0; }

    std::function<void()> onTimer;

    // Stops for good when the form is unloaded.
    void halt();

private:
    void restart();
    void tick();

    Form& m_form;
    std::string m_name;
    bool m_enabled;
    std::int32_t m_interval;
    std::unique_ptr<TimerBackend> m_backend;
};

} // namespace platform
