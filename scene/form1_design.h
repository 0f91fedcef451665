// The design of the game's one window: every control's place, size, stacking, texts and looks.
#pragma once

#include "platform/design.h"

namespace scene {

const platform::FormDesign& form1Design();

} // namespace scene
