#include "platform/win32/win32_services.h"

#include "platform/win32/text.h"

namespace platform::win32 {

std::unique_ptr<TimerBackend> Win32Services::createTimer(std::function<void()> onTick)
{
    return m_timers.create(std::move(onTick));
}

void Win32Services::showMessage(std::string_view text, std::string_view title)
{
    // Closing the form under the box posts the end of the program, which ends the box's loop
    // too.
    MessageBoxW(m_owner, toUtf16(text).c_str(), toUtf16(title).c_str(), MB_OK);
}

} // namespace platform::win32
