// Memory over a long game: the player presses the target, the map, the check box, the buttons
// and the scroll bar at a steady pace, and dismisses every message box.
#pragma once

#include "bench/driver/screen.h"

#include <string>

namespace bench {

// Emits the resident set every 10 s from 1.5 s after the spawn ("rss": minutes into the game,
// KiB), then what was played and whether the game lasted ("play").
void soak(Screen& screen, const std::string& game, int seconds);

} // namespace bench
