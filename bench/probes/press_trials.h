// The press-to-paint trials on the real game: presses on the shown target until its hit
// picture is painted, then presses on bare map until the explosion's first picture is.
#pragma once

#include "bench/probes/recording_services.h"
#include "bench/probes/watched_application.h"
#include "game/form1.h"

namespace bench {

// Runs the game through `presses` trials of each kind after a few marked cold, and emits a
// sample a trial: "hit" (from the press's arrival and from its sending to the paint of the hit
// picture) and "boom" (from the press's arrival to its handling, and from the explosion timer's
// tick and from the press to the paint of the explosion); then the presses that missed
// ("misses"). Returns the game's status, or 1 if the trials did not finish in 10 minutes.
int pressThroughX(WatchedApplication& app, game::Form1& form, const RecordingServices& services,
                  int presses);

} // namespace bench
