// The mouse's buttons and the modifier keys of a mouse message, as handlers receive them.
#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>

namespace platform::win32 {

// The buttons that a mouse message's key flags say are held.
std::int16_t heldButtons(WPARAM keys);
// The button that went down or up in a press or release message; 0 for any other message.
std::int16_t changedButton(UINT message);
// Shift and Control from the key flags; Alt, which they leave out, from the keyboard's state.
std::int16_t shiftState(WPARAM keys);

} // namespace platform::win32
