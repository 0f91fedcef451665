// Memory over a long game: the player presses the target, the map, the check box, the buttons
// and the scroll bar at a steady pace, and dismisses every message box; the resident set is
// sampled every 10 s.
#pragma once

#include "bench/driver/screen.h"

#include <string>
#include <vector>

namespace bench {

struct SoakFigures {
    std::vector<double> minutes;     // when each sample was taken
    std::vector<double> residentKiB; // the first 1.5 s after the spawn
    int targetPresses = 0;
    int otherPresses = 0;
    int boxesDismissed = 0;
    bool survived = false;
};

SoakFigures soak(Screen& screen, const std::string& game, int seconds);

} // namespace bench
