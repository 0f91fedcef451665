// Idle CPU: the game left alone, first with the civilians hidden and then shown.
#pragma once

#include "bench/driver/screen.h"

#include <string>

namespace bench {

struct IdleFigures {
    double hiddenPercent = -1; // of one core
    double shownPercent = -1;
    bool civiliansSeen = false;
};

IdleFigures measureIdle(Screen& screen, const std::string& game, int seconds);

} // namespace bench
