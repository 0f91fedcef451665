// The system colours a design names, as the desktop's colour indices.
#pragma once

#include "platform/design.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Sets the text and background colours of `dc` for a control filled with the colour, and gives
// the brush to fill it with; null for Default, which leaves the control's own colours.
HBRUSH applySystemColour(HDC dc, SystemColour colour);

} // namespace platform::win32
