// The driver's parts, each measuring one thing on a private X desktop and emitting its raw
// samples (bench/common/samples.def), and what they read of a running program in /proc.
#pragma once

#include "harness/desktop.h"
#include "tests/e2e/game_session.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

// One start of a program: its round, below 0 for one that is not counted; its role as
// bench/common/samples.def names it, or the path of another build compared; and its path.
struct Start {
    int round = 0;
    std::string role;
    std::string path;
};

// Times each start in turn, from the spawn to the program's window mapped, the first row of map
// on it and its whole first frame, and emits a sample a start counted: with the program's CPU
// and memory ("start"), or from `marked` builds with the start marks they print ("marks").
void timeStarts(const harness::Desktop& desktop, const std::vector<Start>& starts, bool marked);
// The game left alone for `seconds`, first with the civilians hidden and then shown ("idle").
void measureIdle(const harness::Desktop& desktop, int seconds);
// Plays the game as a player would for `seconds`, pressing the target, the map, the check box,
// the buttons and the scroll bar and dismissing every message box; its resident set every 10 s
// ("rss"), then what was played and whether the game lasted ("play").
void soak(const harness::Desktop& desktop, int seconds);

// How the game starts on the desktop for the parts that play it: on the session bus that
// bench/run gives the driver, as on a desktop.
inline e2e::GameSession::Options gameOn(const harness::Desktop& desktop)
{
    e2e::GameSession::Options options;
    options.desktop = &desktop;
    options.sessionBus = true;
    return options;
}

// The resident set (VmRSS) in KiB; 0 if the process is gone.
long residentKiB(pid_t pid);
// User and system CPU time of all the process's threads so far, in seconds.
double cpuSeconds(pid_t pid);

} // namespace bench
