// The real surroundings of the forms runtime on Windows: precise timers, the desktop's message
// box and the seeded random generator.
#pragma once

#include "platform/seeded_random.h"
#include "platform/services.h"
#include "platform/win32/precise_timers.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Make it on the thread of the form's window, before the form: the timers' ticks come to it.
class Win32Services final : public Services {
public:
    std::unique_ptr<TimerBackend> createTimer(std::function<void()> onTick) override;
    // MessageBoxW, owned by the form's window: Windows disables that window while the box is
    // open, and the box's message loop goes on running the timers' ticks.
    void showMessage(std::string_view text, std::string_view title) override;
    RandomSource& random() override { return m_random; }

    // The window that a message box belongs to and whose input it holds back while open.
    void setOwnerWindow(HWND window) { m_owner = window; }

private:
    SeededRandom m_random;
    PreciseTimers m_timers;
    HWND m_owner = nullptr;
};

} // namespace platform::win32
