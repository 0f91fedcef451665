// The design's texts are UTF-8; the Win32 API's wide functions take UTF-16.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring toUtf16(std::string_view text);
std::string toUtf8(std::wstring_view text);
// A window's text: a button's caption, a text box's contents.
std::string windowText(HWND window);

} // namespace platform::win32
