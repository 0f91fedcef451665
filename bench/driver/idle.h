// Idle CPU: the game left alone, first with the civilians hidden and then shown.
#pragma once

#include "bench/driver/screen.h"

#include <string>

namespace bench {

// Emits the game's CPU over each stretch of `seconds`, in percent of one core, and whether the
// civilians were seen ("idle").
void measureIdle(Screen& screen, const std::string& game, int seconds);

} // namespace bench
