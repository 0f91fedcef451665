#include "platform/win32/mouse_input.h"

#include "platform/controls.h"

namespace platform::win32 {

std::int16_t heldButtons(WPARAM keys)
{
    std::int16_t buttons = 0;
    if (keys & MK_LBUTTON)
        buttons |= LeftButton;
    if (keys & MK_RBUTTON)
        buttons |= RightButton;
    if (keys & MK_MBUTTON)
        buttons |= MiddleButton;
    return buttons;
}

std::int16_t changedButton(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return LeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return RightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MiddleButton;
    default:
        return 0;
    }
}

std::int16_t shiftState(WPARAM keys)
{
    std::int16_t shift = 0;
    if (keys & MK_SHIFT)
        shift |= ShiftKey;
    if (keys & MK_CONTROL)
        shift |= ControlKey;
    if (GetKeyState(VK_MENU) < 0)
        shift |= AltKey;
    return shift;
}

} // namespace platform::win32
