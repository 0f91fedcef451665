// Has a screen reader say a text, as it says a notification.
#pragma once

#include "platform/win32/windows_api.h"

#include <string_view>

namespace platform::win32 {

// Raised as UI Automation's notification event of the window. Windows has that event since
// Windows 10 version 1709, and Wine 8 has none: where it is missing, nothing is said.
void announce(HWND window, std::string_view text);

} // namespace platform::win32
