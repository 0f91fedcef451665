// Checks of play that hold alike in plain X and under Weston, with GoogleTest's assertions.
#pragma once

#include "tests/e2e/game_session.h"

namespace e2e {

// From a fresh launch: the first target shows at one of the spots about 3 s in, and hides again
// about 650 ms later.
void checkFirstTargetShowsAboutThreeSecondsIn(const GameSession& game);
// Presses bare map at kBareMapPoint: explosion 1, 2, 1 in turn, 300 ms each, centred on the
// press, then the bare map again.
void checkBareMapPressExplodesCentredOnIt(const GameSession& game);

} // namespace e2e
